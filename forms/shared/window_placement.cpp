// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/window_placement.h"

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

void placeCentred(QWidget& window, const QWidget* near) {
    const QScreen* screen = near && near->screen() ? near->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    window.move(placedTopLeft(window.frameGeometry().size(), near ? near->frameGeometry() : available, available));
}

}  // namespace mss::forms
