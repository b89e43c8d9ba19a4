// SPDX-License-Identifier: GPL-3.0-or-later
// On a real X server: the window manager shows every window's own title,
// exactly — the main window's, the About window's and the exit question's.

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "forms/main/about_window.h"
#include "forms/shared/application_setup.h"
#include "forms/shared/yes_no_question.h"
#include "forms/window_fixture.h"

using namespace mss::testing;

namespace {

// The value of a text property of an X window, as xprop reads it.
QString xProperty(const QWidget* window, const char* property) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-notype"), QStringLiteral("-id"),
                                         QString::number(window->winId()), QString::fromLatin1(property)});
    if (!xprop.waitForFinished(10000)) return QStringLiteral("(xprop did not answer)");
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype quote = line.indexOf(u'"');
    if (quote < 0 || !line.endsWith(u'"')) return QStringLiteral("(no value: %1)").arg(line);
    QString value = line.mid(quote + 1, line.size() - quote - 2);
    value.replace(QStringLiteral("\\\""), QStringLiteral("\""));
    value.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    return value;
}

// Every title the window manager may show must be `title`: the one the
// window sets, and the one the window manager shows, once it has set it.
bool titlesRead(const QWidget* window, const QString& title, QString& seen) {
    seen = xProperty(window, "_NET_WM_NAME");
    if (seen != title) return false;
    const QString visible = xProperty(window, "_NET_WM_VISIBLE_NAME");
    if (!visible.startsWith(u'(')) seen = visible;
    return seen == title;
}

}  // namespace

class WindowTitlesTest : public QObject {
    Q_OBJECT

    WindowFixture w;

    void expectTitle(const QWidget* window, const QString& title) {
        QString seen;
        QVERIFY2(QTest::qWaitFor([&] { return titlesRead(window, title, seen); }, 10000),
                 qPrintable(QStringLiteral("the window manager shows «%1», not «%2»").arg(seen, title)));
    }

private Q_SLOTS:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("needs an X server");
        mss::forms::prepareApplication();
    }

    void everyWindowShowsItsOwnTitle() {
        QVERIFY(w.open());
        expectTitle(w.window.get(), QStringLiteral("Морская обучающая программа \"Фарлин\""));

        QTest::mouseClick(w.aboutOnView(), Qt::LeftButton);
        QVERIFY(mss::forms::AboutWindow::current());
        QVERIFY(QTest::qWaitForWindowExposed(mss::forms::AboutWindow::current()));
        expectTitle(mss::forms::AboutWindow::current(), QStringLiteral("О программе КРВ-65"));
        delete mss::forms::AboutWindow::current();

        // The exit question itself, read while it is open, then answered «Нет».
        QString questionTitleProblem = QStringLiteral("the question never opened");
        QTimer::singleShot(0, [&] {
            QWidget* box = nullptr;
            if (!QTest::qWaitFor([&] { return (box = QApplication::activeModalWidget()) != nullptr; }, 10000)) return;
            QString seen;
            if (QTest::qWaitFor([&] { return titlesRead(box, QStringLiteral("КРВ-65"), seen); }, 10000))
                questionTitleProblem.clear();
            else
                questionTitleProblem = QStringLiteral("the window manager shows «%1», not «КРВ-65»").arg(seen);
            for (QPushButton* b : box->findChildren<QPushButton*>())
                if (b->text() == QStringLiteral("Нет")) b->click();
        });
        const bool yes = mss::forms::askWithMessageBox(w.window.get(), QStringLiteral("КРВ-65"),
                                                       QStringLiteral("Гром и молния! Выходим в море?"));
        QVERIFY(!yes);
        QVERIFY2(questionTitleProblem.isEmpty(), qPrintable(questionTitleProblem));
    }
};

QTEST_MAIN(WindowTitlesTest)
#include "window_titles_test.moc"
