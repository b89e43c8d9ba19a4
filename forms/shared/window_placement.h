// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window opens: centred on what it belongs to, but never with its
// caption or its top-left corner off the screen's usable area, whatever the
// screen's size and scale.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace mss::forms {

// The top-left corner for a window of outer size `frame` centred on `around`
// and kept within `available` at its top and left (a window larger than the
// screen hangs off at the right and bottom, where no caption is).
QPoint placedTopLeft(QSize frame, const QRect& around, const QRect& available);

}  // namespace mss::forms
