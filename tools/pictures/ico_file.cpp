// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_files.h"

#include <cstdint>
#include <stdexcept>

namespace mss::picturegen {

namespace {

void put16(QByteArray& out, unsigned int v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}

void put32(QByteArray& out, unsigned int v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

// Rows of a bitmap are stored bottom-up, each padded to four bytes.
int rowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

QByteArray iconBitmap(const IndexedImage& image) {
    const int colourRow = rowBytes(image.width, 4), maskRow = rowBytes(image.width, 1);
    const int pixelBytes = (colourRow + maskRow) * image.height;

    QByteArray out;
    put32(out, 40);                 // size of the header
    put32(out, image.width);
    put32(out, image.height * 2);   // colour bitmap and mask, one above the other
    put16(out, 1);                  // planes
    put16(out, 4);                  // bits per pixel
    put32(out, 0);                  // no compression
    put32(out, pixelBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);                 // colours in the table
    put32(out, 0);

    // The colours the pixels use, without the transparent entry (the mask
    // hides those pixels), in palette order.
    std::vector<bool> used(image.palette.size(), false);
    for (std::uint8_t index : image.pixels)
        if (index != image.transparentIndex) used[index] = true;
    std::vector<int> slot(image.palette.size(), 0);
    std::vector<unsigned int> table;
    for (size_t i = 0; i < used.size(); ++i)
        if (used[i]) {
            slot[i] = static_cast<int>(table.size());
            table.push_back(image.palette[i]);
        }
    if (table.size() > 16) throw std::invalid_argument("a 4-bit icon image has at most 16 colours");
    table.resize(16, 0);
    for (unsigned int c : table) {
        out.append(static_cast<char>(c & 0xff));
        out.append(static_cast<char>((c >> 8) & 0xff));
        out.append(static_cast<char>((c >> 16) & 0xff));
        out.append('\0');
    }

    auto transparent = [&](int x, int y) { return image.at(x, y) == image.transparentIndex; };
    for (int y = image.height - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < image.width; ++x) {
            const int v = transparent(x, y) ? 0 : slot[image.at(x, y)];
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? v << 4 : v));
        }
        out.append(row);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < image.width; ++x)
            if (transparent(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

}  // namespace

QByteArray icoFile(const std::vector<IndexedImage>& images) {
    std::vector<QByteArray> bitmaps;
    for (const IndexedImage& image : images) {
        if (image.width > 256 || image.height > 256)
            throw std::invalid_argument("an icon image has at most 256 × 256 pixels");
        bitmaps.push_back(iconBitmap(image));
    }

    QByteArray out;
    put16(out, 0);  // reserved
    put16(out, 1);  // an icon, not a cursor
    put16(out, static_cast<unsigned int>(images.size()));
    unsigned int offset = 6 + 16 * static_cast<unsigned int>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.append(static_cast<char>(images[i].width % 256));  // 0 stands for 256
        out.append(static_cast<char>(images[i].height % 256));
        out.append(static_cast<char>(16));  // colours
        out.append('\0');
        put16(out, 1);  // planes
        put16(out, 4);  // bits per pixel
        put32(out, static_cast<unsigned int>(bitmaps[i].size()));
        put32(out, offset);
        offset += static_cast<unsigned int>(bitmaps[i].size());
    }
    for (const QByteArray& bitmap : bitmaps) out.append(bitmap);
    return out;
}

}  // namespace mss::picturegen
