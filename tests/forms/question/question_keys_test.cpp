// SPDX-License-Identifier: GPL-3.0-or-later
// The keys a learner answers with, read the same in the drill and the exam:
// a digit picks a meaning offered (not while held, nor past the meanings
// offered), Backspace, Enter, Space and the page keys keep their meaning
// whether meanings are offered or flags put up.

#include <QKeyEvent>
#include <QtTest>

#include "forms/question/question_keys.h"
#include "forms/shared/application_setup.h"

using mss::forms::QuestionKey;
using mss::forms::readQuestionKey;

Q_DECLARE_METATYPE(QuestionKey::Kind)

class QuestionKeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { mss::forms::prepareApplication(); }

    void aKeyMeansTheSameAtEveryQuestion_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("choices");
        QTest::addColumn<QuestionKey::Kind>("kind");
        QTest::addColumn<int>("choice");
        const int none = Qt::NoModifier;
        QTest::newRow("1 picks the first") << int(Qt::Key_1) << none << "1" << false << 4 << QuestionKey::Choice << 0;
        QTest::newRow("4 picks the fourth") << int(Qt::Key_4) << none << "4" << false << 4 << QuestionKey::Choice << 3;
        QTest::newRow("keypad 2") << int(Qt::Key_2) << int(Qt::KeypadModifier) << "2" << false << 4
                                  << QuestionKey::Choice << 1;
        QTest::newRow("5 is past four") << int(Qt::Key_5) << none << "5" << false << 4 << QuestionKey::None << 0;
        QTest::newRow("4 is past three") << int(Qt::Key_4) << none << "4" << false << 3 << QuestionKey::None << 0;
        QTest::newRow("0 picks nothing") << int(Qt::Key_0) << none << "0" << false << 4 << QuestionKey::None << 0;
        QTest::newRow("1 held") << int(Qt::Key_1) << none << "1" << true << 4 << QuestionKey::None << 0;
        QTest::newRow("Ctrl+1") << int(Qt::Key_1) << int(Qt::ControlModifier) << "1" << false << 4 << QuestionKey::None
                                << 0;
        QTest::newRow("1 where flags go up") << int(Qt::Key_1) << none << "1" << false << 0 << QuestionKey::None << 0;
        QTest::newRow("a letter is the keyboard's")
            << int(Qt::Key_A) << none << "a" << false << 4 << QuestionKey::None << 0;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "" << false << 0 << QuestionKey::TakeBack << 0;
        QTest::newRow("Backspace at meanings")
            << int(Qt::Key_Backspace) << none << "" << false << 4 << QuestionKey::TakeBack << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return) << none << "\r" << false << 0 << QuestionKey::Enter << 0;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << false << 4
                                      << QuestionKey::Enter << 0;
        QTest::newRow("Enter held") << int(Qt::Key_Return) << none << "\r" << true << 0 << QuestionKey::Enter << 0;
        QTest::newRow("Space") << int(Qt::Key_Space) << none << " " << false << 4 << QuestionKey::Space << 0;
        QTest::newRow("PageUp") << int(Qt::Key_PageUp) << none << "" << false << 4 << QuestionKey::Previous << 0;
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << none << "" << false << 0 << QuestionKey::Next << 0;
        QTest::newRow("Escape is the window's")
            << int(Qt::Key_Escape) << none << "" << false << 4 << QuestionKey::None << 0;
    }
    void aKeyMeansTheSameAtEveryQuestion() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, held);
        QFETCH(int, choices);
        QFETCH(QuestionKey::Kind, kind);
        QFETCH(int, choice);
        const QKeyEvent event(QEvent::KeyPress, key, static_cast<Qt::KeyboardModifiers>(modifiers), text, held);
        const QuestionKey read = readQuestionKey(event, static_cast<std::size_t>(choices));
        QCOMPARE(read.kind, kind);
        QCOMPARE(read.choice, static_cast<std::size_t>(choice));
        QCOMPARE(read.held, held);
    }
};

QTEST_MAIN(QuestionKeysTest)
#include "question_keys_test.moc"
