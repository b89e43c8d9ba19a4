// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The full set of pictures the program carries, by file name.

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

namespace mss::picturegen {

struct PictureFile {
    QString name;
    QByteArray bytes;
};

// The size of the picture of the flag with `symbol` at scale 1: every flag
// is 91 × 60 pixels except M, which is 92 × 58.
QSize catalogueSize(char symbol);

// Every picture, drawn at `scale`: the 40 flags, the separate M, the ship and
// the two backgrounds, and at scale 1 also the icon and its PNG sizes. At
// scale 1 the names are those of the committed files (flag-A.gif); at other
// scales they carry the scale (flag-A@2x.gif).
std::vector<PictureFile> drawPictureSet(int scale);

// The sizes of the life buoy drawn as PNG files.
inline constexpr int kLifebuoyPngSizes[] = {16, 32, 48, 64, 128, 256};

}  // namespace mss::picturegen
