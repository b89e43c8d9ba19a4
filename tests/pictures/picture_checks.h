// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for looking at pictures as the program gets them.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace mss::picturetest {

// The file's bytes; fails the test when it cannot be read.
QByteArray readBytes(const QString& path);

// The picture decoded by Qt as 32-bit ARGB (null when Qt cannot decode it).
QImage decode(const QString& path);

// What a GIF file's header and blocks before its first image say.
struct GifFacts {
    bool valid = false;
    int width = 0, height = 0;
    int paletteSize = 0;        // entries of the global colour table, 0 for none
    int transparentIndex = -1;  // from the graphic control block, -1 for none
};
GifFacts gifFacts(const QByteArray& bytes);

inline bool isTransparent(QRgb pixel) { return qAlpha(pixel) < 128; }

// The pixel is opaque and each channel lies within `tolerance` of `expected`.
::testing::AssertionResult colourNear(QRgb pixel, QRgb expected, int tolerance = 8);

std::string describe(QRgb pixel);

}  // namespace mss::picturetest
