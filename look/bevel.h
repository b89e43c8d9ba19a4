// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The classic 3-D edge of buttons and picture boxes, one ring of pixels at a
// time.

#include <QColor>
#include <QPainter>
#include <QRect>

namespace mss::look {

// Draws the ring `inset` pixels inside `r`: `topLeft` along its top and left
// edges, `bottomRight` along its bottom and right edges (which take the
// corners they share).
inline void drawBevelRing(QPainter& p, const QRect& r, int inset, const QColor& topLeft,
                          const QColor& bottomRight) {
    const QRect ring = r.adjusted(inset, inset, -inset, -inset);
    p.setPen(topLeft);
    p.drawLine(ring.left(), ring.top(), ring.right() - 1, ring.top());
    p.drawLine(ring.left(), ring.top(), ring.left(), ring.bottom() - 1);
    p.setPen(bottomRight);
    p.drawLine(ring.left(), ring.bottom(), ring.right(), ring.bottom());
    p.drawLine(ring.right(), ring.top(), ring.right(), ring.bottom());
}

}  // namespace mss::look
