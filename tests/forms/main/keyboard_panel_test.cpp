// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboards' widgets: where each key stands, its place in the tab order,
// and which key of the computer's keyboard stands for it.

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <set>

#include "engine/window_names.h"
#include "forms/shared/keyboard_frame.h"
#include "forms/main/keyboard_panel.h"
#include "forms/main/layout.h"
#include "forms/shared/physical_keys.h"

using namespace mss::engine;

class KeyboardPanelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysStandInTypewriterRows() {
        struct Case { int command; int left; int top; int width; };
        const Case cases[] = {
            {1, 1320, 840, 495},   {10, 8160, 840, 495},  {14, 3600, 1320, 495}, {22, 2535, 1800, 495},
            {36, 7200, 2280, 495}, {40, 3600, 840, 495},  {59, 1800, 1800, 495}, {92, 1800, 1800, 495},
            {100, 2840, 1320, 495}, {127, 1320, 1320, 495}, {152, 7200, 2280, 495},
            {41, 3600, 2880, 1215}, {42, 5280, 2880, 1215}, {115, 3480, 2880, 1215}, {116, 5280, 2880, 1215},
        };
        for (const Case& c : cases) {
            const auto key = keyOfCommand(c.command);
            QVERIFY(key);
            const auto at = mss::forms::keyLayout(definitionOf(*key));
            QCOMPARE(at.left, c.left);
            QCOMPARE(at.top, c.top);
            QCOMPARE(at.width, c.width);
            QCOMPARE(at.height, 375);
        }
    }

    void tabIndexesAreUniqueAndRunAsTheKeyboardsNumberThem() {
        std::set<int> tabs;
        for (Keyboard keyboard : kKeyboards)
            for (const KeyDefinition& key : keysOf(keyboard))
                QVERIFY2(tabs.insert(mss::forms::keyLayout(key).tabIndex).second,
                         qPrintable(QStringLiteral("Command%1").arg(commandNumber(key.id))));
        struct Case { int command; int tab; };
        // The single-letter keys run 3..38 from M back to 1; the third-letter
        // keyboard's Exit and About keys come last of all.
        const Case cases[] = {{36, 3}, {1, 38}, {42, 39}, {75, 46}, {37, 48}, {77, 89}, {117, 130}, {152, 165},
                              {116, 207}, {115, 208}};
        for (const Case& c : cases) QCOMPARE(mss::forms::keyLayout(definitionOf(*keyOfCommand(c.command))).tabIndex, c.tab);
    }

    void exitKeysAskTheirKeyboardsQuestion() {
        QCOMPARE(mss::forms::keyboardLayout(Keyboard::SingleLetter).exitQuestion,
                 QStringLiteral("Гром и молния! Выходим в море?"));
        QCOMPARE(mss::forms::keyboardLayout(Keyboard::FirstFlag).exitQuestion,
                 QStringLiteral("Три тысячи чертей! Уходим в море?!"));
        QCOMPARE(mss::forms::keyboardLayout(Keyboard::SecondLetter).exitQuestion,
                 QStringLiteral("Три тысячи чертей! Уходим в море?!"));
        QCOMPARE(mss::forms::keyboardLayout(Keyboard::ThirdLetter).exitQuestion,
                 QStringLiteral("Три тысячи чертей! Отдать швартовы?!"));
    }

    void keysAreMatchedByTheirPlace() {
        struct Case { unsigned code; int key; const char* text; char symbol; };
        const Case cases[] = {
            {24, 0, "й", 'Q'}, {10, 0, "!", '1'}, {19, 0, ")", '0'}, {58, 0, "ь", 'M'}, {46, 0, "д", 'L'},
            {0, Qt::Key_Q, "q", 'Q'}, {0, Qt::Key_7, "7", '7'}, {0, Qt::Key_unknown, "Я", 'Z'},
            {0, Qt::Key_unknown, "ю", 0}, {9, Qt::Key_Escape, "", 0}, {65, Qt::Key_Space, " ", 0},
        };
        for (const Case& c : cases) {
            const auto s = mss::forms::symbolOfKey(c.code, c.key, QString::fromUtf8(c.text));
            QCOMPARE(s.value_or(0), c.symbol);
        }
    }

    void everyKeyClickComesOutAsItsKey() {
        QWidget client;
        mss::forms::KeyboardPanel panel(&client);
        std::vector<KeyId> pressed;
        QObject::connect(&panel, &mss::forms::KeyboardPanel::keyPressed, [&](KeyId key) { pressed.push_back(key); });
        for (Keyboard keyboard : kKeyboards)
            for (const KeyDefinition& key : keysOf(keyboard)) {
                QPushButton* button = panel.key(key.id);
                QCOMPARE(button->objectName(), QStringLiteral("Command%1").arg(commandNumber(key.id)));
                QCOMPARE(button->parentWidget(), panel.frame(keyboard));
                button->click();
                QCOMPARE(pressed.back(), key.id);
            }
        QCOMPARE(pressed.size(), kKeyCount);
    }
};

QTEST_MAIN(KeyboardPanelTest)
#include "keyboard_panel_test.moc"
