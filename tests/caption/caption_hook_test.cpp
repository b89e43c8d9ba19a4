// SPDX-License-Identifier: GPL-3.0-or-later
// The hook on a real window: frame, painted caption and caption buttons, and
// the three moments the caption is painted anew.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMenu>

#include <functional>
#include <vector>
#include <QApplication>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QTest>
#include <QWidget>

#include <memory>

#include "caption/caption_hook.h"
#include "caption/paint_gradient_caption.h"

using namespace mss::caption;

namespace {

struct HookedWindow {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QWidget* client = new QWidget(window.get());

    explicit HookedWindow(const QString& title = QStringLiteral("Морская обучающая программа")) {
        window->setWindowTitle(title);
        QPixmap icon(32, 32);
        icon.fill(QColor(255, 0, 0));
        window->setWindowIcon(QIcon(icon));
        client->setFixedSize(792, 526);
        client->setAutoFillBackground(true);
        InstallCaptionHook(window.get(), client);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QList<QAbstractButton*> buttons() const { return window->findChildren<QAbstractButton*>(); }
    QColor pixel(int x, int y) const { return window->grab().toImage().pixelColor(x, y); }
};

constexpr CaptionMetrics m = kStandardCaptionMetrics;

}  // namespace

TEST(CaptionHook, FramesTheClientAreaAndInstallsOnce) {
    HookedWindow w;
    EXPECT_TRUE(w.window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.client->size(), QSize(792, 526));
    EXPECT_EQ(w.client->pos(), QPoint(m.frameWidth, m.frameWidth + m.captionHeight));
    EXPECT_EQ(w.window->size(), QSize(792 + 2 * m.frameWidth, 526 + 2 * m.frameWidth + m.captionHeight));
    EXPECT_TRUE(HasCaptionHook(w.window.get()));
    ASSERT_EQ(w.buttons().size(), 3);

    InstallCaptionHook(w.window.get(), w.client);
    EXPECT_EQ(w.buttons().size(), 3);
    EXPECT_EQ(w.window->size(), QSize(798, 551));
}

TEST(CaptionHook, PaintsTheGradientFromBlackToTheCaptionColourAndLeavesItWhole) {
    HookedWindow w;
    const QColor highlight = w.window->palette().color(QPalette::Active, QPalette::Highlight);
    const QImage shot = w.window->grab().toImage();
    const int W = 798 - 2 * m.frameWidth - 3 * m.buttonWidth + 6;
    const int y = m.frameWidth + 2;
    // The first band is nearly black, the last is the caption colour.
    const QColor first = shot.pixelColor(m.frameWidth + m.buttonWidth + 60, y);
    EXPECT_LT(first.red() + first.green() + first.blue(), 120);
    EXPECT_EQ(shot.pixelColor(m.frameWidth + W - 5, y), highlight);
    // The icon sits in its cell at the left end.
    EXPECT_EQ(shot.pixelColor(m.frameWidth + 6, m.frameWidth + 6), QColor(255, 0, 0));
    // The caption buttons start where the strip ends: the strip's last column
    // is still the caption colour, the frame drew nothing over it.
    const QRect firstButton = w.buttons().front()->geometry();
    EXPECT_GE(firstButton.left(), W - 2);
    EXPECT_EQ(shot.pixelColor(W - 3, y + 4), highlight);
}

TEST(CaptionHook, ActivationChangesTheEndColour) {
    HookedWindow w;
    const int x = 798 - 2 * m.frameWidth - 3 * m.buttonWidth + 6 - 5;  // in the last band
    const int y = m.frameWidth + 3;
    const QColor active = w.pixel(x, y);
    EXPECT_EQ(active, w.window->palette().color(QPalette::Active, QPalette::Highlight));

    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(w.window->isActiveWindow());
    EXPECT_EQ(w.pixel(x, y), QColor(128, 128, 128));
}

TEST(CaptionHook, RepaintsOnPaintActivationSizeAndStateChange) {
    HookedWindow w;
    // A window manager answers a change of state in its own time.
    auto paintsAfter = [&](auto&& action) {
        const int before = CaptionPaintCount(w.window.get());
        action();
        (void)QTest::qWaitFor([&] { return CaptionPaintCount(w.window.get()) != before; }, 3000);
        return CaptionPaintCount(w.window.get()) - before;
    };
    EXPECT_GT(paintsAfter([&] {
                  QResizeEvent resize(w.window->size(), w.window->size());
                  QApplication::sendEvent(w.window.get(), &resize);
              }),
              0);
    EXPECT_GT(paintsAfter([&] {
                  QEvent change(QEvent::ActivationChange);
                  QApplication::sendEvent(w.window.get(), &change);
              }),
              0);
    EXPECT_GT(paintsAfter([&] { w.window->showMinimized(); }), 0);
    EXPECT_GT(paintsAfter([&] { w.window->showNormal(); }), 0);
    EXPECT_GT(paintsAfter([&] { w.window->repaint(); }), 0);
}

TEST(CaptionHook, CaptionButtonsAndDragging) {
    HookedWindow w;
    const auto buttons = w.buttons();
    EXPECT_TRUE(buttons[0]->isEnabled());
    EXPECT_FALSE(buttons[1]->isEnabled());  // no maximised state
    EXPECT_TRUE(buttons[2]->isEnabled());

    // A double click on the caption changes nothing.
    const QPoint onCaption(300, m.frameWidth + 8);
    QTest::mouseDClick(w.window.get(), Qt::LeftButton, Qt::NoModifier, onCaption);
    EXPECT_EQ(w.window->windowState(), Qt::WindowNoState);
    EXPECT_EQ(w.window->size(), QSize(798, 551));

    // Dragging the caption moves the window: the window manager does, or
    // where there is none, the hook.
    const QPoint start = w.window->pos();
    QTest::mousePress(w.window.get(), Qt::LeftButton, Qt::NoModifier, onCaption);
    QMouseEvent move(QEvent::MouseMove, QPointF(onCaption + QPoint(40, 25)),
                     QPointF(w.window->mapToGlobal(onCaption + QPoint(40, 25))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w.window.get(), &move);
    QTest::mouseRelease(w.window.get(), Qt::LeftButton, Qt::NoModifier, onCaption + QPoint(40, 25));
    ASSERT_NE(LastCaptionDrag(w.window.get()), CaptionDrag::None);
    if (LastCaptionDrag(w.window.get()) == CaptionDrag::Manual) {
        EXPECT_EQ(w.window->pos(), start + QPoint(40, 25));
    }

    QTest::mouseClick(buttons[0], Qt::LeftButton);
    EXPECT_TRUE(w.window->windowState() & Qt::WindowMinimized);
    w.window->showNormal();
    QTest::mouseClick(buttons[2], Qt::LeftButton);
    EXPECT_FALSE(w.window->isVisible());
}

TEST(CaptionHook, GoesWithItsWindow) {
    {
        HookedWindow w;
        EXPECT_TRUE(HasCaptionHook(w.window.get()));
    }
    HookedWindow again;
    EXPECT_TRUE(HasCaptionHook(again.window.get()));
    EXPECT_EQ(again.buttons().size(), 3);
}

namespace {

// The window menu on view, waiting for it against a deadline.
QMenu* openWindowMenu() {
    QMenu* menu = nullptr;
    const bool open = QTest::qWaitFor([&] {
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu != nullptr;
    });
    return open ? menu : nullptr;
}

struct MenuItem {
    QString text;
    bool enabled;
};

std::vector<MenuItem> itemsOf(QMenu* menu) {
    std::vector<MenuItem> items;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) items.push_back({a->text(), a->isEnabled()});
    return items;
}

}  // namespace

TEST(CaptionHook, TheCaptionOffersTheWindowMenu) {
    HookedWindow w;
    const std::vector<std::pair<QString, bool>> expected{
        {QStringLiteral("Восстановить"), false}, {QStringLiteral("Переместить"), true},
        {QStringLiteral("Свернуть"), true},      {QStringLiteral("Развернуть"), false},
        {QStringLiteral("Закрыть"), true}};
    struct Trigger { const char* what; std::function<void()> open; };
    const Trigger triggers[] = {
        {"a right click on the caption",
         [&] { QTest::mouseClick(w.window.get(), Qt::RightButton, Qt::NoModifier, QPoint(300, m.frameWidth + 8)); }},
        {"a click on the icon",
         [&] { QTest::mouseClick(w.window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(m.frameWidth + 6, m.frameWidth + 6)); }},
        {"Alt+Space", [&] { QTest::keyClick(w.window.get(), Qt::Key_Space, Qt::AltModifier); }},
    };
    for (const Trigger& t : triggers) {
        t.open();
        QMenu* menu = openWindowMenu();
        ASSERT_NE(menu, nullptr) << t.what;
        const auto items = itemsOf(menu);
        ASSERT_EQ(items.size(), expected.size()) << t.what;
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].text, expected[i].first) << t.what;
            EXPECT_EQ(items[i].enabled, expected[i].second) << t.what << ": " << items[i].text.toStdString();
        }
        EXPECT_EQ(menu->defaultAction()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
        menu->close();
    }
    // A right click below the caption opens nothing.
    QTest::mouseClick(w.window.get(), Qt::RightButton, Qt::NoModifier, QPoint(300, 200));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST(CaptionHook, TheWindowMenuMovesAndCloses) {
    HookedWindow w;
    // Without a window manager to move it, the arrow keys do; Escape goes back.
    QTest::mouseClick(w.window.get(), Qt::RightButton, Qt::NoModifier, QPoint(300, m.frameWidth + 8));
    QMenu* menu = openWindowMenu();
    ASSERT_NE(menu, nullptr);
    const QPoint start = w.window->pos();
    menu->actions().at(1)->trigger();  // «Переместить»
    if (LastCaptionDrag(w.window.get()) != CaptionDrag::System) {
        QTest::keyClick(w.window.get(), Qt::Key_Right);
        QTest::keyClick(w.window.get(), Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(w.window->pos(), start + QPoint(10, 1));
        QTest::keyClick(w.window.get(), Qt::Key_Escape);
        EXPECT_EQ(w.window->pos(), start);
    }
    // «Закрыть» closes, as Alt+F4 does.
    QTest::mouseClick(w.window.get(), Qt::RightButton, Qt::NoModifier, QPoint(300, m.frameWidth + 8));
    menu = openWindowMenu();
    ASSERT_NE(menu, nullptr);
    menu->actions().last()->trigger();
    EXPECT_FALSE(w.window->isVisible());

    HookedWindow again;
    QTest::keyClick(again.window.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(again.window->isVisible());
}
