// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours of the caption gradient and the table that spreads one colour into
// another over a run of bands. Standard library only.

#include <cstdint>
#include <span>

namespace mss::caption {

// A colour packed into 32 bits: red in bits 0-7, green in 8-15, blue in 16-23.
// Bits above 23 are ignored wherever a colour is read.
using Colour = std::uint32_t;

constexpr Colour makeColour(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | static_cast<Colour>(green & 0xFF) << 8 |
           static_cast<Colour>(blue & 0xFF) << 16;
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// Fills `table` (indices 0..U, so U = table.size() - 1) with a gradient from
// `start` towards `end`.
//
// Each channel walks in doubles: step = (end - start) / U, the running value
// starts at the start channel, and for i = 0..U the step is added first, then
// the running value is clamped into 0..255 (and keeps the clamped value), then
// rounded to nearest with halves to even. Entry i is therefore
// start + (i + 1) * step: entry U - 1 is the end colour itself and entry U lies
// one step beyond it, clamped.
//
// The whole table is cleared to 0 first. Returns false when the walk cannot be
// made: an empty table, U = 0 (no step can be divided out) or a value that is
// not finite. Entries stored before such a failure stay; the rest stay 0.
bool FillGradientTable(std::span<Colour> table, Colour start, Colour end);

}  // namespace mss::caption
