// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window opens, and how the program's secondary windows (About,
// drill, search) open: one window of each kind, made the first time it is
// asked for and brought to the front after that, never with its caption or
// its top-left corner off the screen's usable area, whatever the screen's
// size and scale.

#include <QMargins>
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

// How a window whose frame runs off the screen is brought onto it.
enum class FitOnScreen {
    MoveIn,         // moved in as little as it takes
    ShortenFirst,   // its top kept where it was placed, its foot raised first
};

// Where a window of outer size `frame`, whose frame adds `margins` around
// its inside, goes and how large its inside is, so that the frame lies
// wholly within `available`, as `how` says; it is made smaller (not below
// `minimum`, the inside's least size) only where it cannot fit otherwise,
// or to keep its top with ShortenFirst. A window that cannot shrink enough
// keeps its caption and top-left corner on the screen.
QRect wholeFrameWithin(const QRect& frame, const QMargins& margins, QSize minimum, const QRect& available,
                       FitOnScreen how = FitOnScreen::MoveIn);

// Keeps a window not shown yet wholly on the screen it opens on: when it is
// shown, and again when the window manager has put its frame round it,
// whose size is not known before. Moving the window afterwards is the
// learner's.
void keepWhollyOnScreen(QWidget& window, FitOnScreen how = FitOnScreen::MoveIn);

// The one window of its kind: made by `make` and placed by `place` when
// there is none (it goes when it is closed), kept wholly on its screen as
// `how` says, then shown, raised and made active.
template <typename Window, typename Make, typename Place>
Window* showOnce(QPointer<Window>& window, Make&& make, Place&& place, FitOnScreen how = FitOnScreen::MoveIn) {
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
        place(*window);
        keepWhollyOnScreen(*window, how);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace mss::forms
