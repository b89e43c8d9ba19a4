// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window opens, and how the program's secondary windows (About,
// drill, search) open: one window of each kind, made the first time it is
// asked for and brought to the front after that, never with its caption or
// its top-left corner off the screen's usable area, whatever the screen's
// size and scale.

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace mss::forms {

// The top-left corner for a window of outer size `frame` centred on `around`
// and kept within `available` at its top and left (a window larger than the
// screen hangs off at the right and bottom, where no caption is).
QPoint placedTopLeft(QSize frame, const QRect& around, const QRect& available);

// Moves `window` to the middle of `near` (of the screen when there is none),
// its caption on the screen.
void placeCentred(QWidget& window, const QWidget* near);

// The one window of its kind: made by `make` and placed by `place` when
// there is none (it goes when it is closed), then shown, raised and made
// active.
template <typename Window, typename Make, typename Place>
Window* showOnce(QPointer<Window>& window, Make&& make, Place&& place) {
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
        place(*window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace mss::forms
