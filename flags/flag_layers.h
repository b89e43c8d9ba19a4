// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints a flag design with a QPainter, in two ways:
//
//   - on samples: every stripe, quarter and square edge falls on a whole
//     unit and shapes are painted hard-edged one over the other, for the
//     picture generator, which clears what lies outside the outline and
//     averages the samples down itself (tools/pictures);
//   - exact: each shape is cut to the flag's outline and filled as a path,
//     for any device at any size (print, PDF, SVG); later layers lie over
//     earlier ones wherever that hides a seam between two fills.

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>

#include <vector>

#include "flags/flag_design.h"

class QPainter;

namespace mss::flags {

enum class Edges { OnSamples, Exact };

// The layers of `design` on a picture of `size` whose top left corner is
// the painter's origin. With Edges::OnSamples the painter's antialiasing
// should be off and nothing is cut to the outline.
void paintLayers(QPainter& painter, const FlagDesign& design, QSizeF size, Edges edges);

// The flag's outline in a picture of `size` from the origin.
QPainterPath outlineOf(const Outline& outline, QSizeF size);

// What lies outside the outline in a picture of `size`: nothing for a
// rectangle, the notch of a swallow-tail, the two corners off a pennant.
std::vector<QPolygonF> outsideOfOutline(const Outline& outline, QSizeF size);

// The whole flag in `box`, exact: its layers cut to its outline.
void paintFlag(QPainter& painter, const FlagDesign& design, const QRectF& box);

}  // namespace mss::flags
