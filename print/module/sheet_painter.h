// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reference sheet as it is drawn, kSheetSize large (paper_look.h): the section at the
// top; the hoist hanging on its halyard, large, each flag with its name,
// the word it gives and its Morse beside it; the code and the meaning below;
// where the meaning was written without the printed book, the «?» mark
// after it and a note at the foot.

#include <QPointF>
#include <QRectF>

#include <vector>

#include "print/document.h"
#include "print/module/drawing.h"

namespace mss::print {

struct SheetGeometry {
    std::vector<QRectF> flags;  // millimetres from the card's top left, top first
};

// Where the card's flags stand; the same for every device.
SheetGeometry sheetGeometry(const ReferenceSheet& card);

// Paints `card` with its top left corner at `origin` (device units), inside
// a thin frame when `framed`.
void paintSheet(QPainter& p, const ReferenceSheet& card, QPointF origin, const Units& u, bool framed);

}  // namespace mss::print
