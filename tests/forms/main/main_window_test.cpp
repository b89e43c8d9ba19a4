// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, driven through its real widgets as a learner would.

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScreen>

#include "forms/shared/animated_label.h"
#include "forms/shared/application_setup.h"
#include "forms/shared/codebook_problem.h"
#include "forms/shared/picture_catalogue.h"
#include "forms/shared/window_placement.h"
#include "forms/window_fixture.h"

using namespace mss::testing;
using mss::engine::SlideTimer;
using mss::forms::PictureCatalogue;

namespace {

const QPixmap* flagPicture(char symbol) {
    return &PictureCatalogue::instance().flag(*mss::codebook::flagIndexOfSymbol(symbol));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    WindowFixture w;

    // Saves what the window looks like when MSS65_SCREENSHOTS names a folder.
    void snapshot(const QString& name) {
        const QString dir = qEnvironmentVariable("MSS65_SCREENSHOTS");
        if (!dir.isEmpty()) w.window->grab().save(QDir(dir).filePath(name + ".png"));
    }

private Q_SLOTS:
    void initTestCase() { mss::forms::prepareApplication(); }
    void init() {
        w.asked = {};
        QVERIFY(w.open());
    }
    void cleanup() { w.window.reset(); }

    void opensAsTheTableOfStartUpSays() {
        snapshot("start");
        QCOMPARE(w.window->clientArea()->size(), QSize(792, 526));
        // Centred where it fits; on a smaller screen its caption stays on it.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        if (screen.width() >= w.window->frameGeometry().width() && screen.height() >= w.window->frameGeometry().height())
            QCOMPARE(w.window->frameGeometry().center(), screen.center());
        else
            QVERIFY(screen.contains(w.window->frameGeometry().topLeft()));
        QCOMPARE(w.window->minimumSize(), w.window->maximumSize());
        QCOMPARE(w.window->clientArea()->minimumSize(), w.window->clientArea()->maximumSize());
        QVERIFY(!(w.window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.keyboardOnView(), Keyboard::SingleLetter);
        for (const auto& info : mss::codebook::kCodeLists) QVERIFY(!w.list(info.list)->isVisible());
        QVERIFY(!w.medicalM()->isVisible());
        QVERIFY(w.position(HoistPosition::First)->isVisible());
        QVERIFY(!w.window->tablesNote()->isVisible());
        for (SlideTimer t : mss::engine::kSlideTimers) QVERIFY(w.slideTimer(t)->isActive());
        QCOMPARE(w.slideTimer(SlideTimer::First)->interval(), 5000);
        QCOMPARE(w.slideTimer(SlideTimer::Second)->interval(), 3000);
        QCOMPARE(w.slideTimer(SlideTimer::Third)->interval(), 2000);
        QCOMPARE(w.list(CodeList::SingleLetter)->placeholderText(), QStringLiteral("Значение однобуквенного сигнала"));
        QCOMPARE(w.list(CodeList::SingleLetter)->currentIndex(), -1);
        QCOMPARE(w.list(CodeList::GeneralRToZ)->count(), 414);
        for (const auto& s : mss::codebook::kSections) QVERIFY(!w.sectionButton(s.section)->isChosen());
    }

    void placesControlsFromTheirTwips() {
        const auto& keys = w.window->keyboards();
        struct Case { QWidget* widget; QRect r; };
        const Case cases[] = {
            {w.position(HoistPosition::Second), {16, 80, 95, 64}},
            {w.position(HoistPosition::Third), {16, 152, 95, 64}},
            {w.sectionButton(Section::General), {348, 112, 105, 33}},
            {w.sectionButton(Section::TableIII), {476, 152, 105, 33}},
            {w.list(CodeList::SingleLetter), {16, 232, 761, 21}},
            {w.frame(Keyboard::SingleLetter), {64, 272, 665, 241}},
            {w.frame(Keyboard::ThirdLetter), {64, 272, 665, 241}},
            {keys.key(*mss::engine::flagKey(Keyboard::SingleLetter, 'A')), {120, 120, 33, 25}},
            {keys.key(KeyId::about(Keyboard::SingleLetter)), {240, 192, 81, 25}},
            // The third-letter keyboard's About key stands 120 twips further left.
            {keys.key(KeyId::about(Keyboard::ThirdLetter)), {232, 192, 81, 25}},
            {keys.key(KeyId::exit(Keyboard::ThirdLetter)), {352, 192, 81, 25}},
        };
        for (const Case& c : cases) QCOMPARE(c.widget->geometry(), c.r);
        QCOMPARE(keys.key(*mss::engine::flagKey(Keyboard::SingleLetter, 'E'))->toolTip(), QStringLiteral("Эко"));
        QCOMPARE(keys.key(*mss::engine::flagKey(Keyboard::SecondLetter, 'E'))->text(), QStringLiteral("Ee"));
        QCOMPARE(w.position(HoistPosition::First)->toolTip(),
                 QStringLiteral("Флаг однобуквенного сигнала или первый флаг "));
        QCOMPARE(w.frame(Keyboard::SecondLetter)->caption(),
                 QStringLiteral("Вторая буква  двухбуквенного или трехбуквенного сигнала"));
        // The control names stay the widgets' object names.
        QCOMPARE(keys.key(*mss::engine::flagKey(Keyboard::FirstFlag, 'A'))->objectName(), QStringLiteral("Command59"));
        QCOMPARE(w.list(CodeList::GeneralJToQ)->objectName(), QStringLiteral("Combo2(1)"));
        QCOMPARE(w.sectionButton(Section::Medical)->objectName(), QStringLiteral("Option3"));
        QCOMPARE(w.medicalM()->objectName(), QStringLiteral("Picture5"));
    }

    void sectionButtonsReadTheirTitles() {
        struct Case { Section section; const char* text; };
        const Case cases[] = {
            {Section::SingleLetter, "Однобуквенные сигналы"}, {Section::General, "Общий раздел"},
            {Section::Medical, "Медицинский раздел"},         {Section::TableI, "Таблица I"},
            {Section::TableII, "Таблица II"},                 {Section::TableIII, "Таблица III"},
        };
        for (const Case& c : cases) QCOMPARE(w.sectionButton(c.section)->text(), QString::fromUtf8(c.text));
    }

    void composesGeneralSignalsThroughTheKeys() {
        w.choose(Section::General);
        QVERIFY(!w.slideTimer(SlideTimer::First)->isActive());
        QVERIFY(w.pressAll("AE"));
        snapshot("general-ae");
        QCOMPARE(w.list(CodeList::GeneralAToJ)->currentText(), QStringLiteral("Я должен оставить свое судно"));
        QVERIFY(w.press('1'));
        QCOMPARE(w.list(CodeList::GeneralAToJ)->currentText(), rowText(CodeList::GeneralAToJ, 5));
        QCOMPARE(w.position(HoistPosition::Third)->picture(), flagPicture('1'));
        QVERIFY(w.press('3'));  // AE3 is no signal
        QCOMPARE(w.list(CodeList::GeneralAToJ)->currentIndex(), -1);
        QCOMPARE(w.list(CodeList::GeneralAToJ)->currentText(), QString());
        QCOMPARE(w.list(CodeList::GeneralAToJ)->placeholderText(), QString());

        w.choose(Section::General);
        QVERIFY(w.pressAll("JO5"));
        QVERIFY(w.list(CodeList::GeneralJToQ)->isVisible());
        QVERIFY(!w.list(CodeList::GeneralAToJ)->isVisible());
        QCOMPARE(w.list(CodeList::GeneralJToQ)->currentText(), rowText(CodeList::GeneralJToQ, 8));

        w.choose(Section::General);
        QVERIFY(w.pressAll("XH9"));
        QCOMPARE(w.list(CodeList::GeneralRToZ)->currentIndex(), 304);
        QCOMPARE(w.list(CodeList::GeneralRToZ)->currentText(), rowText(CodeList::GeneralRToZ, 304));
    }

    void theMeaningLineToolTipHoldsTheWholeMeaningAndHowItIsHoisted() {
        const struct {
            Section section;
            const char* keys;
            CodeList list;
            const char* hoisted;  // empty: no hoist line (a table's row)
            const char* noteHas;  // a word of the note on another edition, once; nullptr: no note
        } cases[] = {
            {Section::Medical, "AA", CodeList::Medical, "M, A, 2-й заменяющий", nullptr},
            {Section::General, "CC", CodeList::GeneralAToJ, "C, 1-й заменяющий", nullptr},
            {Section::General, "WY0", CodeList::GeneralRToZ, "W, Y, 0 или X, B, 0", nullptr},
            {Section::SingleLetter, "A", CodeList::SingleLetter, "A", nullptr},
            // MLQ is MLG in the international edition; the swell table follows the 1965 scale.
            {Section::Medical, "LQ", CodeList::Medical, "M, L, Q", "MLG"},
            {Section::General, "XH3", CodeList::GeneralRToZ, "X, E, 3 или X, H, 3", "зыби"},
        };
        for (const auto& c : cases) {
            w.choose(c.section);
            QVERIFY(w.pressAll(c.keys));
            const QComboBox* line = w.list(c.list);
            // The whole text, however long, then the hoist as one set flies it.
            const QString hoisted = line->currentText().trimmed() + QStringLiteral("\nПоднимают: ") +
                                    QString::fromUtf8(c.hoisted);
            if (c.noteHas == nullptr) {
                QCOMPARE(line->toolTip(), hoisted);
                continue;
            }
            // Then the note, on a line of its own, once for a row two codes share.
            QVERIFY2(line->toolTip().startsWith(hoisted + u'\n'), qPrintable(line->toolTip()));
            const QString note = line->toolTip().mid(hoisted.size() + 1);
            QVERIFY2(note.contains(QString::fromUtf8(c.noteHas)) && !note.contains(u'\n'), qPrintable(note));
            // The line itself keeps the book's text.
            QCOMPARE(line->currentText(), rowText(c.list, line->currentIndex()));
        }
        w.choose(Section::General);
        QVERIFY2(w.list(CodeList::GeneralAToJ)->toolTip().isEmpty(), "nothing chosen, nothing to tell");
    }

    void firstFlagDigitKeepsTheFirstKeyboard() {
        w.choose(Section::General);
        QVERIFY(w.press('5'));
        QCOMPARE(w.keyboardOnView(), Keyboard::FirstFlag);
        QCOMPARE(w.position(HoistPosition::First)->picture(), flagPicture('5'));
        QCOMPARE(w.list(CodeList::GeneralAToJ)->currentIndex(), -1);
    }

    void composesMedicalSignals() {
        w.choose(Section::Medical);
        QVERIFY(w.medicalM()->isVisible());
        QVERIFY(!w.position(HoistPosition::First)->isVisible());
        // The medical M is its own picture, never the catalogue's.
        QVERIFY(w.medicalM()->picture() != flagPicture('M'));
        QCOMPARE(PictureCatalogue::instance().flagOf(w.medicalM()->picture()), -1);
        QVERIFY(w.press('L'));
        QCOMPARE(w.keyboardOnView(), Keyboard::ThirdLetter);
        QVERIFY(w.press('Q'));
        snapshot("medical-mlq");
        QCOMPARE(w.list(CodeList::Medical)->currentIndex(), 235);
        QCOMPARE(w.list(CodeList::Medical)->currentText(), rowText(CodeList::Medical, 235));
    }

    void medicalListLiesOverTheGeneralOne() {
        w.choose(Section::SingleLetter);
        QVERIFY(w.press('J'));
        w.choose(Section::Medical);
        QVERIFY(w.press('E'));  // the hidden J makes JE show the list AA–JM as well
        QVERIFY(w.list(CodeList::GeneralAToJ)->isVisible());
        QVERIFY(w.list(CodeList::Medical)->isVisible());
        const auto children = w.window->clientArea()->children();
        QVERIFY(children.indexOf(w.list(CodeList::Medical)) > children.indexOf(w.list(CodeList::GeneralAToJ)));
        QCOMPARE(w.window->clientArea()->childAt(w.list(CodeList::Medical)->geometry().center()),
                 w.list(CodeList::Medical));
    }

    void singleLetterKeys() {
        w.choose(Section::SingleLetter);
        QVERIFY(w.press('R'));
        QCOMPARE(w.position(HoistPosition::First)->picture(), flagPicture('R'));
        QCOMPARE(w.list(CodeList::SingleLetter)->currentIndex(), -1);
        QCOMPARE(w.list(CodeList::SingleLetter)->currentText(), QString());
        QVERIFY(w.press('Y'));
        QCOMPARE(w.list(CodeList::SingleLetter)->currentText(), QStringLiteral("Меня дрейфует на якоре "));
        // An auto-sized position: M is 15 twips wider and 30 lower than any other flag.
        QCOMPARE(w.position(HoistPosition::First)->size(), QSize(95, 64));
        QVERIFY(w.press('M'));
        QCOMPARE(w.position(HoistPosition::First)->size(), QSize(96, 62));
    }

    void tableSectionsTakeTheirDigits() {
        w.choose(Section::TableI);
        QVERIFY(w.window->tablesNote()->isVisible());
        QVERIFY(w.list(CodeList::Complements)->isVisible());
        QCOMPARE(w.keyboardOnView(), Keyboard::ThirdLetter);
        QCOMPARE(w.list(CodeList::Complements)->currentIndex(), -1);
        snapshot("table-i");
        // A digit hoists its pennant third and shows its row of the table
        // chosen; 0 of table I has none, and a letter is no digit of a table.
        const struct {
            Section table;
            char key;
            int row;  // -1: none
        } cases[] = {
            {Section::TableI, '1', 0},   {Section::TableI, '9', 8},   {Section::TableI, '0', -1},
            {Section::TableII, '0', 9},  {Section::TableII, '9', 18}, {Section::TableII, 'Q', -1},
            {Section::TableIII, '0', 19}, {Section::TableIII, '9', 28},
        };
        for (const auto& c : cases) {
            const QString what = QStringLiteral("%1 in %2").arg(QChar::fromLatin1(c.key)).arg(int(c.table));
            w.choose(c.table);
            QVERIFY2(w.press(c.key), qPrintable(what));
            QVERIFY2(w.position(HoistPosition::Third)->picture() == flagPicture(c.key), qPrintable(what));
            QVERIFY2(!w.position(HoistPosition::First)->picture() && !w.position(HoistPosition::Second)->picture(),
                     qPrintable(what));
            QCOMPARE(w.list(CodeList::Complements)->currentIndex(), c.row);
            QCOMPARE(w.list(CodeList::Complements)->currentText(), c.row < 0 ? QString() : rowText(CodeList::Complements, c.row));
            QCOMPARE(w.keyboardOnView(), Keyboard::ThirdLetter);
        }
        // II-9 from the keys, as a learner learns it.
        w.choose(Section::TableII);
        QVERIFY(w.press('9'));
        QCOMPARE(w.list(CodeList::Complements)->currentText(), QStringLiteral("Ледокол."));
        snapshot("table-ii-9");
        // A row read in the list stays until a key names another.
        w.list(CodeList::Complements)->setCurrentIndex(12);
        Q_EMIT w.list(CodeList::Complements)->activated(12);
        QCOMPARE(w.window->engine().selection(CodeList::Complements), 12);
        QVERIFY(w.press('2'));
        QCOMPARE(w.list(CodeList::Complements)->currentIndex(), 11);
    }

    void slideShowRunsUntilTheFirstSection() {
        w.window->slideTimerTicked(SlideTimer::Third);
        QCOMPARE(w.position(HoistPosition::Third)->picture(), flagPicture('B'));
        w.choose(Section::TableII);
        for (SlideTimer t : mss::engine::kSlideTimers) QVERIFY(!w.slideTimer(t)->isActive());
        w.window->slideTimerTicked(SlideTimer::First);  // a late tick changes nothing
        QCOMPARE(w.position(HoistPosition::First)->picture(), nullptr);
        w.choose(Section::SingleLetter);
        for (SlideTimer t : mss::engine::kSlideTimers) QVERIFY(!w.slideTimer(t)->isActive());
    }

    void exitKeysAskTheirQuestion() {
        struct Case { Section section; const char* before; const char* question; };
        const Case cases[] = {
            {Section::SingleLetter, "", "Гром и молния! Выходим в море?"},
            {Section::General, "", "Три тысячи чертей! Уходим в море?!"},
            {Section::General, "A", "Три тысячи чертей! Уходим в море?!"},
            {Section::Medical, "A", "Три тысячи чертей! Отдать швартовы?!"},
        };
        for (const Case& c : cases) {
            w.choose(c.section);
            QVERIFY(w.pressAll(c.before));
            w.asked.answer = false;
            const int before = w.asked.count;
            QTest::mouseClick(w.exitOnView(), Qt::LeftButton);
            QCOMPARE(w.asked.count, before + 1);
            QCOMPARE(w.asked.title, QStringLiteral("КРВ-65"));
            QCOMPARE(w.asked.question, QString::fromUtf8(c.question));
            QVERIFY(w.window->isVisible());
        }
        // "Нет" left everything as it was; "Да" closes the main window.
        QCOMPARE(w.keyboardOnView(), Keyboard::ThirdLetter);
        QVERIFY(w.sectionButton(Section::Medical)->isChosen());
        w.asked.answer = true;
        QTest::mouseClick(w.exitOnView(), Qt::LeftButton);
        QVERIFY(!w.window->isVisible());
    }

    void closeControlAsksNothing() {
        w.window->close();
        QCOMPARE(w.asked.count, 0);
        QVERIFY(!w.window->isVisible());
    }

    void clickingTheChosenSectionStartsItAgain() {
        w.choose(Section::General);
        QVERIFY(w.pressAll("AE"));
        w.choose(Section::General);
        QVERIFY(w.sectionButton(Section::General)->isChosen());
        QCOMPARE(w.keyboardOnView(), Keyboard::FirstFlag);
        QCOMPARE(w.position(HoistPosition::First)->picture(), nullptr);
        QCOMPARE(w.list(CodeList::GeneralAToJ)->currentIndex(), -1);
    }

    void tabOrderFollowsTheTable() {
        const auto& keys = w.window->keyboards();
        auto single = [&](char symbol) { return keys.key(*mss::engine::flagKey(Keyboard::SingleLetter, symbol)); };
        // On opening, the focus is on the first key in the tab order: M of
        // the single-letter keyboard.
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QCOMPARE(QApplication::focusWidget(), single('M'));
        w.choose(Section::SingleLetter);
        // The single-letter keys run in reverse reading order: M first, then N ... 1.
        QCOMPARE(single('M')->nextInFocusChain(), single('N'));
        QCOMPARE(single('1')->nextInFocusChain(), keys.key(KeyId::exit(Keyboard::SingleLetter)));
        QCOMPARE(keys.key(KeyId::exit(Keyboard::SingleLetter))->nextInFocusChain(),
                 keys.key(KeyId::about(Keyboard::SingleLetter)));
        QCOMPARE(keys.key(KeyId::about(Keyboard::SingleLetter))->nextInFocusChain(), w.list(CodeList::SingleLetter));
        QCOMPARE(w.list(CodeList::SingleLetter)->nextInFocusChain(), w.sectionButton(Section::SingleLetter));
    }

    void typingPressesTheKeysOfTheKeyboardOnView() {
        w.choose(Section::General);
        QTest::keyClicks(w.window.get(), QStringLiteral("ae1"));
        QTRY_COMPARE(w.list(CodeList::GeneralAToJ)->currentIndex(), 5);
        QCOMPARE(w.position(HoistPosition::First)->picture(), flagPicture('A'));
        QCOMPARE(w.position(HoistPosition::Second)->picture(), flagPicture('E'));
        // A Russian layout gives Cyrillic letters: the key where E is types "у".
        w.choose(Section::General);
        QKeyEvent ef(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ф"));
        QApplication::sendEvent(w.window.get(), &ef);
        QKeyEvent u(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("у"));
        QTRY_COMPARE(w.keyboardOnView(), Keyboard::SecondLetter);
        QApplication::sendEvent(w.window.get(), &u);
        QTRY_COMPARE(w.list(CodeList::GeneralAToJ)->currentIndex(), 4);
        // Escape and shortcuts press nothing.
        QTest::keyClick(w.window.get(), Qt::Key_Escape);
        QTest::keyClick(w.window.get(), Qt::Key_2, Qt::ControlModifier);
        QApplication::processEvents();
        QCOMPARE(w.position(HoistPosition::Third)->picture(), nullptr);
    }

    void typingGoesOnAfterAClickBringsAnotherKeyboard() {
        // Keys typed go to whatever has the focus, as on a real screen.
        auto type = [](const char* keys) {
            for (const char* k = keys; *k; ++k) {
                QWidget* focused = QApplication::focusWidget();
                QVERIFY2(focused, "nothing has the focus");
                QTest::keyClick(focused, static_cast<char>(*k));
            }
        };
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));

        w.choose(Section::General);
        QVERIFY(w.press('A'));  // a click: the first-flag keyboard gives way
        QCOMPARE(w.keyboardOnView(), Keyboard::SecondLetter);
        // The focus went to the same key of the keyboard that took its place.
        QCOMPARE(QApplication::focusWidget(), w.keyOnView('A'));
        type("e");
        QCOMPARE(w.position(HoistPosition::Second)->picture(), flagPicture('E'));
        QCOMPARE(w.list(CodeList::GeneralAToJ)->currentIndex(), 4);
        // Arrows do not move the meaning line off the signal in the hoist.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(w.list(CodeList::GeneralAToJ)->currentIndex(), 4);

        w.choose(Section::Medical);
        QVERIFY(w.press('L'));  // the third-letter keyboard takes over
        QCOMPARE(w.keyboardOnView(), Keyboard::ThirdLetter);
        type("q");
        QCOMPARE(w.list(CodeList::Medical)->currentIndex(), 235);

        // A list with the focus lets the letters press keys instead of
        // searching its rows.
        w.choose(Section::SingleLetter);
        w.list(CodeList::SingleLetter)->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), w.list(CodeList::SingleLetter));
        type("y");
        QCOMPARE(w.position(HoistPosition::First)->picture(), flagPicture('Y'));
        QCOMPARE(w.list(CodeList::SingleLetter)->currentIndex(), 23);
    }

    void anOpenListShowsAtMost24RowsWithinTheScreen() {
        for (Section section : {Section::Medical, Section::General}) {
            w.choose(section);
            QComboBox* list = section == Section::Medical ? w.list(CodeList::Medical) : w.list(CodeList::GeneralAToJ);
            list->showPopup();
            QWidget* popup = list->view()->window();
            QTRY_VERIFY(popup->isVisible());
            const int rowHeight = list->view()->sizeHintForRow(0);
            QVERIFY(rowHeight > 0);
            QVERIFY2(list->view()->viewport()->height() <= 24 * rowHeight,
                     qPrintable(QStringLiteral("%1 px for rows of %2 px").arg(list->view()->viewport()->height()).arg(rowHeight)));
            QVERIFY(list->view()->viewport()->height() >= 10 * rowHeight);
            const QRect screen = list->screen()->availableGeometry();
            QVERIFY2(screen.contains(popup->frameGeometry()),
                     qPrintable(QStringLiteral("%1,%2 %3x%4").arg(popup->x()).arg(popup->y()).arg(popup->width()).arg(popup->height())));
            list->hidePopup();
        }
    }

    void theFocusShowsOnceTheLearnerTabsAndNeverCrossesACaption() {
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        auto* m = dynamic_cast<mss::forms::FaceButton*>(QApplication::focusWidget());
        QVERIFY(m);
        QVERIFY2(!m->showsFocusCue(), "a focus cue shows before any Tab");
        w.choose(Section::General);
        QVERIFY(!w.sectionButton(Section::General)->showsFocusCue());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* next = dynamic_cast<mss::forms::FaceButton*>(QApplication::focusWidget());
        QVERIFY(next);
        QVERIFY(next->showsFocusCue());
        // Space still presses the key with the focus.
        w.choose(Section::SingleLetter);
        w.keyOnView('Q')->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(w.position(HoistPosition::First)->picture(), flagPicture('Q'));

        // Chosen or not, one line or two, the cue runs clear of the caption:
        // drawn without the cue, every pixel of its outline is plain face.
        QList<mss::forms::FaceButton*> buttons{w.window->drillButton(), w.window->searchButton(),
                                               static_cast<mss::forms::FaceButton*>(w.keyOnView('Q'))};
        for (const auto& s : mss::codebook::kSections) buttons << w.sectionButton(s.section);
        for (mss::forms::FaceButton* b : buttons) {
            for (bool chosen : {false, true}) {
                b->setChosen(chosen);
                const QString what = b->text() + (chosen ? QStringLiteral(" (chosen)") : QString());
                b->clearFocus();
                const QImage plain = b->grab().toImage();
                b->setFocus(Qt::TabFocusReason);
                QVERIFY(b->showsFocusCue());
                const QImage withCue = b->grab().toImage();
                const QRect cue = b->focusCueRect();
                const QRgb face = plain.pixel(cue.topLeft());
                int drawn = 0;
                for (int x = cue.left(); x <= cue.right(); ++x)
                    for (int y = cue.top(); y <= cue.bottom(); ++y) {
                        const bool outline = x == cue.left() || x == cue.right() || y == cue.top() || y == cue.bottom();
                        if (!outline) continue;
                        QVERIFY2(plain.pixel(x, y) == face,
                                 qPrintable(QStringLiteral("%1: the caption reaches the cue at %2,%3").arg(what).arg(x).arg(y)));
                        if (withCue.pixel(x, y) != face) ++drawn;
                    }
                QVERIFY2(drawn > 0, qPrintable(what + ": no cue drawn"));
            }
            b->setChosen(false);
        }
    }

    void opensWithItsCaptionOnTheScreen() {
        // The window is 798 x 551 pixels with its frame and caption.
        const QSize frame(798, 551);
        struct Case { const char* what; QRect available; QPoint topLeft; };
        const Case cases[] = {
            {"1280 x 1024 at 100 %", {0, 0, 1280, 1024}, {241, 236}},
            {"a panel along the top", {0, 40, 1280, 984}, {241, 256}},
            {"1280 x 900 at 200 %", {0, 0, 640, 450}, {0, 0}},
            {"1366 x 768 at 150 %, a panel at the top", {0, 20, 910, 492}, {56, 20}},
            {"800 x 600 at 100 %", {0, 0, 800, 600}, {1, 24}},
            {"a second screen to the left", {-1280, 0, 1280, 1024}, {-1039, 236}},
        };
        for (const Case& c : cases) {
            const QPoint at = mss::forms::placedTopLeft(frame, c.available, c.available);
            // Centring may round either way by a pixel.
            QVERIFY2((at - c.topLeft).manhattanLength() <= 1,
                     qPrintable(QStringLiteral("%1: %2,%3").arg(c.what).arg(at.x()).arg(at.y())));
            QVERIFY2(c.available.contains(at), c.what);
        }
        // The window itself opened within the screen.
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(w.window->frameGeometry().topLeft()));
    }

    void picturesSuitTheScreenDensity() {
        // Run once as it is and once with QT_SCALE_FACTOR=2.
        const bool sharp = qApp->devicePixelRatio() >= 1.5;
        const PictureCatalogue& pictures = PictureCatalogue::instance();
        for (int k : {0, 12, 35}) {
            QCOMPARE(pictures.flag(k).devicePixelRatio(), sharp ? 2.0 : 1.0);
            QCOMPARE(pictures.flag(k).deviceIndependentSize().toSize(), k == 12 ? QSize(92, 58) : QSize(91, 60));
        }
        QCOMPARE(pictures.mainBackground().deviceIndependentSize().toSize(), QSize(795, 596));
        QCOMPARE(pictures.ship().deviceIndependentSize().toSize(), QSize(65, 85));
        QCOMPARE(w.window->clientArea()->size(), QSize(792, 526));
        w.choose(Section::SingleLetter);
        QVERIFY(w.press('M'));
        QCOMPARE(w.position(HoistPosition::First)->size(), QSize(96, 62));
    }

    void standardDialogsSpeakRussian() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QCOMPARE(QLocale().language(), QLocale::Russian);
    }

    void screenReaderNamesKeysPositionsAndMeaning() {
        const auto& keys = w.window->keyboards();
        QCOMPARE(keys.key(*mss::engine::flagKey(Keyboard::SecondLetter, 'E'))->accessibleName(), QStringLiteral("Ee, Эко"));
        QCOMPARE(keys.key(*mss::engine::flagKey(Keyboard::SingleLetter, '1'))->accessibleDescription(),
                 QStringLiteral("Поднимает вымпел «Унауан»"));
        QCOMPARE(w.position(HoistPosition::Second)->accessibleName(), QStringLiteral("Второй флаг: пусто"));
        w.choose(Section::General);
        QVERIFY(w.pressAll("AE"));
        QCOMPARE(w.position(HoistPosition::First)->accessibleName(), QStringLiteral("Первый флаг: Алфа (A)"));
        QCOMPARE(w.position(HoistPosition::Second)->accessibleName(), QStringLiteral("Второй флаг: Эко (E)"));
        QAccessibleInterface* line = QAccessible::queryAccessibleInterface(w.list(CodeList::GeneralAToJ));
        QVERIFY(line);
        QCOMPARE(line->text(QAccessible::Value), QStringLiteral("Я должен оставить свое судно"));
    }

    void drillAndSearchButtonsOpenTheirWindowsByClickOrKey() {
        QCOMPARE(w.window->drillButton()->geometry(), QRect(604, 112, 105, 33));
        QCOMPARE(w.window->searchButton()->geometry(), QRect(604, 152, 105, 33));
        QCOMPARE(w.window->drillButton()->text(), QStringLiteral("Тренировка"));
        QCOMPARE(w.window->searchButton()->accessibleName(), QStringLiteral("Поиск"));
        QVERIFY(w.window->drillButton()->toolTip().contains(QStringLiteral("F2")));
        QVERIFY(w.window->searchButton()->toolTip().contains(QStringLiteral("Ctrl+F")));
        // They follow the last section button in the tab order.
        QCOMPARE(w.sectionButton(Section::TableIII)->nextInFocusChain(), w.window->drillButton());
        QCOMPARE(w.window->drillButton()->nextInFocusChain(), w.window->searchButton());
        QCOMPARE(w.window->searchButton()->nextInFocusChain(), w.list(CodeList::Complements));

        int drills = 0, searches = 0;
        QObject::connect(w.window.get(), &mss::forms::MainWindow::drillRequested, [&] { ++drills; });
        QObject::connect(w.window.get(), &mss::forms::MainWindow::searchRequested, [&] { ++searches; });
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::mouseClick(w.window->drillButton(), Qt::LeftButton);
        QTest::keyClick(w.window.get(), Qt::Key_F2);
        QTest::mouseClick(w.window->searchButton(), Qt::LeftButton);
        QTest::keyClick(w.window.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(drills, 2);
        QCOMPARE(searches, 2);
        // Neither touches the hoist, the lists or the slide-show.
        QCOMPARE(w.window->engine().chosenSection(), std::nullopt);
        QVERIFY(w.slideTimer(SlideTimer::First)->isActive());
    }

    void damagedCodeBookIsExplainedInRussian() {
        const auto damaged = mss::codebook::parseCodeBook("list\tindex\tcodes\ttext\tsource\nCombo1\t0\tB\tТекст\tbook\n");
        const QString message = mss::forms::codeBookProblemMessage(damaged);
        QVERIFY(message.contains(QStringLiteral("повреждена")));
        QVERIFY(message.contains(QStringLiteral("Строка 2")));
        QVERIFY(message.contains(QStringLiteral("Combo1")));
        const auto incomplete = mss::codebook::parseCodeBook("list\tindex\tcodes\ttext\tsource\n");
        QVERIFY(mss::forms::codeBookProblemMessage(incomplete).contains(QStringLiteral("неполна")));
        QVERIFY(mss::forms::codeBookProblemMessage(shippedLoad()).isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
