// SPDX-License-Identifier: GPL-3.0-or-later
// The shared controls: Enter, the keypad's Enter and Space press a focused
// button, and a button that is off looks it; a question before deleting
// answers «Нет» to a hasty Enter or Escape, while the exit question keeps
// «Да» as its default.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "forms/shared/application_setup.h"
#include "forms/shared/face_button.h"
#include "forms/shared/yes_no_question.h"

using mss::forms::FaceButton;

namespace {

// Answers the message box that `ask` opens with one key, and returns its answer.
bool answerWithKey(const std::function<bool(QWidget*, const QString&, const QString&)>& ask, Qt::Key key) {
    QTimer::singleShot(0, [key] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        QTest::keyClick(QApplication::activeModalWidget(), key);
    });
    return ask(nullptr, QStringLiteral("Проверка"), QStringLiteral("Удалить?"));
}

}  // namespace

class ButtonsAndQuestionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { mss::forms::prepareApplication(); }

    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    }
    void enterPressesTheFocusedButton() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QWidget window;
        auto* button = new FaceButton(QStringLiteral("Новое занятие"), Qt::darkGray, Qt::white, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button->setFocus();
        int clicks = 0;
        QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
        QTest::keyClick(button, static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(modifiers));
        QCOMPARE(clicks, 1);
        // With Ctrl, Enter is not a press of the button.
        QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicks, 1);
    }

    void aButtonThatIsOffShowsItsCaptionDimmed() {
        const QColor face(64, 64, 64);
        FaceButton button(QStringLiteral("Тренировать их"), face, Qt::white, nullptr);
        button.resize(120, 33);
        // The lightest pixel of the caption: white while on, halfway to the face when off.
        const auto lightest = [&button] {
            const QImage picture = button.grab().toImage();
            int most = 0;
            // Inside the bevel.
            for (int y = 4; y < picture.height() - 4; ++y)
                for (int x = 4; x < picture.width() - 4; ++x) most = std::max(most, qGray(picture.pixel(x, y)));
            return most;
        };
        QCOMPARE(lightest(), 255);
        button.setEnabled(false);
        QCOMPARE(lightest(), (255 + 64) / 2);
    }

    void aQuestionBeforeDeletingAnswersNoToEnterAndEscape() {
        QCOMPARE(answerWithKey(mss::forms::askBeforeDeleting, Qt::Key_Return), false);
        QCOMPARE(answerWithKey(mss::forms::askBeforeDeleting, Qt::Key_Escape), false);
    }

    void theExitQuestionKeepsYesAsItsDefault() {
        QCOMPARE(answerWithKey(mss::forms::askWithMessageBox, Qt::Key_Return), true);
        QCOMPARE(answerWithKey(mss::forms::askWithMessageBox, Qt::Key_Escape), false);
    }
};

QTEST_MAIN(ButtonsAndQuestionsTest)
#include "buttons_and_questions_test.moc"
