// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_checks.h"

#include <QFile>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>

namespace mss::picturetest {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

QImage decode(const QString& path) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    return image.convertToFormat(QImage::Format_ARGB32);
}

GifFacts gifFacts(const QByteArray& bytes) {
    GifFacts facts;
    auto byte = [&](qsizetype i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    if (bytes.size() < 13 || !(bytes.startsWith("GIF89a") || bytes.startsWith("GIF87a"))) return facts;
    facts.width = static_cast<int>(byte(6) | byte(7) << 8);
    facts.height = static_cast<int>(byte(8) | byte(9) << 8);
    const unsigned packed = byte(10);
    qsizetype at = 13;
    if (packed & 0x80) {
        facts.paletteSize = 2 << (packed & 7);
        at += 3 * facts.paletteSize;
    }
    // Extensions until the first image descriptor.
    while (at < bytes.size() && byte(at) == 0x21) {
        const unsigned label = byte(at + 1);
        at += 2;
        if (label == 0xf9 && byte(at) == 4 && (byte(at + 1) & 1)) facts.transparentIndex = static_cast<int>(byte(at + 4));
        while (at < bytes.size() && byte(at) != 0) at += byte(at) + 1;
        ++at;
    }
    facts.valid = at < bytes.size() && byte(at) == 0x2c;
    return facts;
}

::testing::AssertionResult colourNear(QRgb pixel, QRgb expected, int tolerance) {
    const bool close = qAlpha(pixel) == 255 && std::abs(qRed(pixel) - qRed(expected)) <= tolerance &&
                       std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
                       std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
    if (close) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << describe(pixel) << " where " << describe(expected) << " was expected";
}

std::string describe(QRgb pixel) {
    char text[48];
    std::snprintf(text, sizeof text, "rgba(%d, %d, %d, %d)", qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel));
    return text;
}

}  // namespace mss::picturetest
