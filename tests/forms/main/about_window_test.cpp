// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: one for the whole program, opened by the About key of
// every keyboard, independent of the main window.

#include <QApplication>
#include <QDir>

#include "forms/main/about_window.h"
#include "forms/shared/animated_label.h"
#include "forms/shared/application_setup.h"
#include "forms/window_fixture.h"

using namespace mss::testing;
using mss::forms::AboutWindow;

class AboutWindowTest : public QObject {
    Q_OBJECT

    WindowFixture w;

private Q_SLOTS:
    void initTestCase() { mss::forms::prepareApplication(); }
    void init() { QVERIFY(w.open()); }
    void cleanup() {
        w.window.reset();
        delete AboutWindow::current();
    }

    void aboutKeyOpensOneWindow() {
        QTest::mouseClick(w.aboutOnView(), Qt::LeftButton);
        AboutWindow* about = AboutWindow::current();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        if (const QString dir = qEnvironmentVariable("MSS65_SCREENSHOTS"); !dir.isEmpty())
            about->grab().save(QDir(dir).filePath(QStringLiteral("about.png")));
        QVERIFY(!about->parentWidget());
        QVERIFY(!about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("О программе КРВ-65"));
        w.choose(Section::General);
        QTest::mouseClick(w.aboutOnView(), Qt::LeftButton);
        QCOMPARE(AboutWindow::current(), about);
        int aboutWindows = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QStringLiteral("sprawka3")) ++aboutWindows;
        QCOMPARE(aboutWindows, 1);
        auto* author = about->findChild<mss::forms::AnimatedLabel*>(QStringLiteral("AniLabel1"));
        QVERIFY(author);
        QCOMPARE(author->caption(), QStringLiteral("Экипаж 65"));
        // It glints while its window is in front.
        QApplication::setActiveWindow(about);  // as a window manager would on a click
        QVERIFY(about->isActiveWindow());
        QVERIFY(author->animating());
        // Every animated label shows its caption whole, at its own size:
        // the author's line at 12 points bold.
        QCOMPARE(author->font().pointSizeF(), 12.0);
        QVERIFY(author->font().bold());
        for (auto* label : about->findChildren<mss::forms::AnimatedLabel*>())
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->caption()) <= label->width(),
                     qPrintable(label->caption()));
        QVERIFY(QFontMetrics(w.window->title()->font()).horizontalAdvance(w.window->title()->caption()) <=
                w.window->title()->width());
        // A glint comes, crosses the caption and goes, then the label rests.
        QTRY_VERIFY_WITH_TIMEOUT(author->glinting(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!author->glinting(), 5000);
        QVERIFY(author->animating());
        // Hidden, or behind another window, it stops animating.
        about->hide();
        QVERIFY(!author->animating());
        about->show();
        QApplication::setActiveWindow(about);  // as a window manager would on a click
        QVERIFY(about->isActiveWindow());
        QVERIFY(author->animating());
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(w.window->isActiveWindow());
        QVERIFY(!author->animating());
        QVERIFY(!author->glinting());
        // OK closes it; the next About key opens a new one.
        QTest::mouseClick(about->okButton(), Qt::LeftButton);
        QTRY_VERIFY(!AboutWindow::current());
        QTest::mouseClick(w.aboutOnView(), Qt::LeftButton);
        QVERIFY(AboutWindow::current());
    }

    void outlivesTheMainWindow() {
        QTest::mouseClick(w.aboutOnView(), Qt::LeftButton);
        QVERIFY(AboutWindow::current());
        w.asked.answer = true;
        QTest::mouseClick(w.exitOnView(), Qt::LeftButton);
        QVERIFY(!w.window->isVisible());
        QVERIFY(AboutWindow::current()->isVisible());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
