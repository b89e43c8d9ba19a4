// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hook that gives the main window its painted caption. The window goes
// without the platform's frame and draws its own: a border, the gradient
// caption of PaintGradientCaption and the caption buttons (minimise, a
// disabled maximise, close). The caption is painted anew whenever the window
// paints, its activation changes, or its size or state changes; the frame is
// drawn around the strip and never over it.

class QWidget;

namespace mss::caption {

// Installs the hook on `window`, whose controls live in `client` (kept at the
// size it has, inside the frame). The hook lives as long as the window; a
// second call for the same window does nothing.
void InstallCaptionHook(QWidget* window, QWidget* client);
bool HasCaptionHook(const QWidget* window);

// How many times the window's caption strip has been painted; for tests.
int CaptionPaintCount(const QWidget* window);

// How the last drag of the caption moved the window: handed to the window
// manager, or moved by the hook where no window manager helps.
enum class CaptionDrag { None, System, Manual };
CaptionDrag LastCaptionDrag(const QWidget* window);

}  // namespace mss::caption
