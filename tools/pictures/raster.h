// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing without the platform's antialiasing: every shape is painted hard-edged
// at a multiple of the wanted size and the pixels are averaged down here, so the
// result depends on the geometry alone and comes out the same byte for byte.

#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

namespace mss::picturegen {

// How many samples a picture pixel has along each side.
inline constexpr int kSamplesPerPixel = 4;

// A transparent canvas kSamplesPerPixel times the size of the picture.
QImage supersampledCanvas(QSize pictureSize);

// Averages each block of factor × factor samples into one pixel: its colour is
// the mean colour of the covered samples, its alpha the share of them covered.
QImage downsample(const QImage& canvas, int factor = kSamplesPerPixel);

// A picture with a palette, as GIF and ICO files keep it.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned int> palette;  // 0xAARRGGBB; the size is a power of two, 2..256
    std::vector<std::uint8_t> pixels;   // row by row from the top
    int transparentIndex = -1;          // -1: every pixel is opaque

    std::uint8_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    QImage toImage() const;
};

// Pixels whose alpha is below half count as transparent when a picture is
// reduced to a palette.
bool isTransparentSample(unsigned int argb);

// Each opaque pixel takes the nearest colour of `colours` (the first of equals);
// with `transparency` the transparent ones take an extra entry after them.
// The palette is padded to a power of two of at least `minimumPaletteSize`.
IndexedImage reduceToPalette(const QImage& image, const std::vector<unsigned int>& colours, bool transparency,
                             int minimumPaletteSize = 2);

// At most `maxColours` colours chosen by median cut over the opaque pixels,
// then reduceToPalette. With `transparency` one entry of the limit is kept for
// the transparent pixels.
IndexedImage reduceByMedianCut(const QImage& image, int maxColours, bool transparency, int minimumPaletteSize = 2);

}  // namespace mss::picturegen
