// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws a flag design at any size.

#include "flags/flag_design.h"
#include "raster.h"

#include <QImage>
#include <QSize>

#include <vector>

namespace mss::picturegen {

// The designs are the generator's data.
using namespace mss::flags;

// The flag filling a picture of `size`, hoist at the left, transparent where
// its outline leaves the rectangle; edges are smoothed by averaging samples.
QImage paintFlag(const FlagDesign& design, QSize size);

// The colours a flag picture may use: the design's own colours, and between
// every two of them three mixtures for the pixels on a border between them.
std::vector<unsigned int> flagPalette(const FlagDesign& design);

// The flag as a palette picture of at least 16 colours, ready for a GIF.
IndexedImage flagPicture(const FlagDesign& design, QSize size);

}  // namespace mss::picturegen
