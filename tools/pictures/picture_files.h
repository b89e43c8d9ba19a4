// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writers for the two palette formats the program ships: GIF (through giflib,
// since Qt reads GIF but cannot write it) and the Windows icon format.

#include "raster.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace mss::picturegen {

// A GIF89a file of one image; the transparent index, if any, goes into a
// graphic control block. Throws std::runtime_error when giflib fails.
QByteArray gifFile(const IndexedImage& image);

// An icon file holding one 4-bit bitmap per image, in the order given. Every
// image must have at most 16 colours (plus its transparent index) and sides
// of at most 256; transparent pixels go into the AND mask.
QByteArray icoFile(const std::vector<IndexedImage>& images);

// Writes `bytes` to `path`; throws std::runtime_error when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);

}  // namespace mss::picturegen
