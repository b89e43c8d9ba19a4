// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program finds its pictures: Qt resource paths (":/pictures/...")
// for QPixmap, QImage and QIcon.

#include <QString>

namespace mss::pictures {

// Makes the pictures' resources known to Qt. The path functions below call it
// themselves; calling it again does nothing.
void initPictureResources();

// The catalogue picture of flag `flagIndex` (0..25 the letters A..Z, 26..34
// the pennants 1..9, 35 the pennant 0); empty for any other index. Every flag
// is 91 × 60 pixels except M (12), which is 92 × 58.
QString flagPicturePath(int flagIndex);

// The picture of flag `index` of the forty of one set (codebook/signal_flags.h):
// the catalogue's 36 as flagPicturePath gives them, then the 1st, 2nd and 3rd
// substitutes and the answering pennant, 91 × 60 pixels like the numeral
// pennants; empty for any other index.
QString signalFlagPicturePath(int index);

// The separate 91 × 60 picture of flag M shown at the head of medical signals.
// It is not the catalogue's picture of M.
QString medicalFlagPicturePath();

// The 65 × 85 ship in the main window's top right corner.
QString shipPicturePath();

// The 795 × 596 ground of the main window.
QString mainBackgroundPath();

// The 357 × 268 ground of the About window.
QString aboutBackgroundPath();

// The life-buoy icon of both windows: 32 × 32 and 16 × 16, 16 colours.
QString iconPath();

// The life buoy as a PNG of `size` × `size` pixels for desktop use: 16, 32,
// 48, 64, 128 or 256; empty for any other size.
QString iconPngPath(int size);

// The sharper copy of a GIF picture, drawn at twice the size for screens of
// device pixel ratio 2: "…/flag-A.gif" gives "…/flag-A@2x.gif".
QString doubleDensityPath(const QString& path);

}  // namespace mss::pictures
