// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace mss::forms {

QPoint placedTopLeft(QSize frame, const QRect& around, const QRect& available) {
    QRect placed(QPoint(0, 0), frame);
    placed.moveCenter(around.center());
    // Keep it within the right and bottom edges as far as it fits, then
    // within the left and top edges in any case.
    placed.moveLeft(std::min(placed.left(), available.right() + 1 - frame.width()));
    placed.moveTop(std::min(placed.top(), available.bottom() + 1 - frame.height()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    placed.moveTop(std::max(placed.top(), available.top()));
    return placed.topLeft();
}

QRect wholeFrameWithin(const QRect& frame, const QMargins& margins, QSize minimum, const QRect& available,
                       FitOnScreen how) {
    const QSize around(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QSize inside = frame.size() - around;
    // Smaller only where the screen is too small for it (or, to keep the
    // top, too short under it), never below the least size.
    const int top = std::max(frame.top(), available.top());
    const int roomUnder = how == FitOnScreen::ShortenFirst ? available.bottom() + 1 - top : available.height();
    const QSize fitted(std::max(minimum.width(), std::min(inside.width(), available.width() - around.width())),
                       std::max(minimum.height(), std::min(inside.height(), roomUnder - around.height())));
    QRect placed(frame.topLeft(), fitted + around);
    placed.moveLeft(std::min(placed.left(), available.right() + 1 - placed.width()));
    placed.moveTop(std::min(placed.top(), available.bottom() + 1 - placed.height()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    placed.moveTop(std::max(placed.top(), available.top()));
    return placed;
}

namespace {

// Fits its window when it is shown, and once more when the window manager
// has framed it; then it goes.
class WholeOnScreen : public QObject {
public:
    WholeOnScreen(QWidget& window, FitOnScreen how) : QObject(&window), window_(window), how_(how) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_) return false;
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::Move:
            case QEvent::Resize: fit(); break;
            default: break;
        }
        return false;
    }

private:
    void fit() {
        const QScreen* screen = window_.screen();
        if (!screen || !window_.isVisible()) return;
        const QRect frame = window_.frameGeometry();
        const QRect inside = window_.geometry();
        const QMargins margins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                               frame.bottom() - inside.bottom());
        const QRect whole = wholeFrameWithin(frame, margins, window_.minimumSize(), screen->availableGeometry(), how_);
        const bool framed = !margins.isNull();
        if (whole.size() != frame.size()) window_.resize(whole.size() - QSize(margins.left() + margins.right(),
                                                                              margins.top() + margins.bottom()));
        if (whole.topLeft() != frame.topLeft()) window_.move(whole.topLeft());
        // Once framed, where the window goes is the learner's.
        if (!framed) return;
        window_.removeEventFilter(this);
        deleteLater();
    }

    QWidget& window_;
    FitOnScreen how_;
};

}  // namespace

void keepWhollyOnScreen(QWidget& window, FitOnScreen how) { new WholeOnScreen(window, how); }

void placeCentred(QWidget& window, const QWidget* near) {
    const QScreen* screen = near && near->screen() ? near->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    window.move(placedTopLeft(window.frameGeometry().size(), near ? near->frameGeometry() : available, available));
}

}  // namespace mss::forms
