// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document laid out on A4 pages: headings, paragraphs that may go on over
// a page break, rows kept whole with their hoists drawn small, and cards
// side by side, as many a page as fit, inside frames or between cut marks.
// Pages are numbered at the foot when there are several.

#include "print/document.h"

class QPagedPaintDevice;

namespace mss::print {

// The device's page as the layout wants it: A4 portrait, no margins of the
// device's own (the layout keeps its own).
void setA4(QPagedPaintDevice& device);

// How many pages the document takes on `device`.
int pageCount(const Document& document, QPagedPaintDevice& device);

// Paints the document on `device`, one page after another.
void paintDocument(const Document& document, QPagedPaintDevice& device);

}  // namespace mss::print
