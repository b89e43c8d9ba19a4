// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures that are not flags: the ship, the two window backgrounds and
// the life buoy of the icon. Each is drawn for a size or a scale, so larger
// copies for dense screens come from the same drawing.

#include <QImage>

namespace mss::picturegen {

// A three-masted ship under white sails, bow to the right, on a transparent
// ground; 65 × 85 pixels times `scale`.
QImage paintShip(int scale);

// The main window's ground: an elliptical blue gradient, bright toward the
// lower right and dark navy toward the corners; 795 × 596 times `scale`.
QImage paintMainBackground(int scale);

// The About window's ground: a deep blue sky with a glow at the top edge right
// of the middle and a white-to-light-blue horizon along the bottom;
// 357 × 268 times `scale`.
QImage paintAboutBackground(int scale);

// A red-and-white life buoy with its grab line, `size` × `size` pixels, on a
// transparent ground.
QImage paintLifebuoy(int size);

}  // namespace mss::picturegen
