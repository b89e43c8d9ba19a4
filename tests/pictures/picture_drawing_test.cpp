// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's own parts: drawing at any scale and the file writers.

#include "picture_checks.h"

#include "flags/flag_design.h"
#include "flag_painter.h"
#include "picture_files.h"
#include "picture_set.h"
#include "raster.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using namespace mss::picturegen;
using mss::picturetest::describe;

// Wherever a pixel at scale 1 lies inside one colour (its neighbours all
// alike), the same place at scale 2 shows that colour or transparency.
TEST(DrawingFlags, EveryDesignKeepsItsLayoutAtTwiceTheScale) {
    for (const FlagDesign& design : flagDesigns()) {
        SCOPED_TRACE("flag " + fileStemOf(design).toStdString());
        const QSize size = catalogueSize(design.symbol);
        const QImage one = flagPicture(design, size).toImage();
        const QImage two = flagPicture(design, size * 2).toImage();
        ASSERT_EQ(two.size(), size * 2);
        int compared = 0, wrong = 0;
        for (int y = 1; y + 1 < one.height(); ++y)
            for (int x = 1; x + 1 < one.width(); ++x) {
                const QRgb c = one.pixel(x, y);
                bool uniform = true;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) uniform = uniform && one.pixel(x + dx, y + dy) == c;
                if (!uniform) continue;
                ++compared;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        if (two.pixel(2 * x + dx, 2 * y + dy) != c && wrong++ == 0)
                            ADD_FAILURE() << "(" << x << ", " << y << ") is " << describe(c) << " at scale 1, "
                                          << describe(two.pixel(2 * x + dx, 2 * y + dy)) << " at scale 2";
            }
        EXPECT_GT(compared, one.width() * one.height() / 2);
        EXPECT_EQ(wrong, 0);
    }
}

TEST(DrawingFlags, LargerScalesDrawEveryPictureButTheIconLarger) {
    std::map<QString, QSize> sizeAtOne;
    for (const PictureFile& file : drawPictureSet(1)) {
        QBuffer buffer(const_cast<QByteArray*>(&file.bytes));
        sizeAtOne[file.name] = QImageReader(&buffer).size();
    }
    std::set<QString> names;
    for (const PictureFile& file : drawPictureSet(2)) {
        SCOPED_TRACE(file.name.toStdString());
        names.insert(file.name);
        ASSERT_TRUE(file.name.endsWith("@2x.gif"));
        QString base = file.name;
        base.replace("@2x", "");
        ASSERT_TRUE(sizeAtOne.count(base));
        QBuffer buffer(const_cast<QByteArray*>(&file.bytes));
        EXPECT_EQ(QImageReader(&buffer).size(), sizeAtOne[base] * 2);
    }
    EXPECT_EQ(names.size(), 40u + 4u);  // the flags of a set, the separate M, the ship and two grounds
}

// A small picture with an odd width, so that rows need padding and pixels
// share bytes in the icon format; every row differs, so rows cannot swap.
IndexedImage smallFixture() {
    IndexedImage image;
    image.width = 5;
    image.height = 3;
    image.palette = {0xffff0000, 0xff00ff00, 0xff0000ff, 0xff123456};
    image.transparentIndex = 3;
    image.pixels = {0, 1, 2, 3, 0,  //
                    3, 3, 1, 1, 2,  //
                    2, 0, 3, 0, 1};
    return image;
}

void expectSamePixels(const QImage& decoded, const IndexedImage& expected) {
    ASSERT_EQ(decoded.size(), QSize(expected.width, expected.height));
    const QImage want = expected.toImage();
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x) {
            const QRgb got = decoded.pixel(x, y), should = want.pixel(x, y);
            if (mss::picturetest::isTransparent(should)) {
                EXPECT_TRUE(mss::picturetest::isTransparent(got)) << x << ", " << y << ": " << describe(got);
            } else {
                EXPECT_EQ(got, should) << x << ", " << y << ": " << describe(got) << " for " << describe(should);
            }
        }
}

QImage decodeBytes(const QByteArray& bytes, const char* format) {
    QBuffer buffer(const_cast<QByteArray*>(&bytes));
    QImageReader reader(&buffer, format);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

TEST(DrawingFiles, GifKeepsEveryPixelAndTheTransparentIndex) {
    const IndexedImage image = smallFixture();
    const QByteArray bytes = gifFile(image);
    const auto facts = mss::picturetest::gifFacts(bytes);
    ASSERT_TRUE(facts.valid);
    EXPECT_EQ(facts.paletteSize, 4);
    EXPECT_EQ(facts.transparentIndex, 3);
    expectSamePixels(decodeBytes(bytes, "gif"), image);

    IndexedImage opaque = image;
    opaque.transparentIndex = -1;
    EXPECT_EQ(mss::picturetest::gifFacts(gifFile(opaque)).transparentIndex, -1);
    expectSamePixels(decodeBytes(gifFile(opaque), "gif"), opaque);
}

TEST(DrawingFiles, IconKeepsEveryPixelOfEachImageWithTheMask) {
    const IndexedImage small = smallFixture();
    IndexedImage tall = smallFixture();
    tall.width = 3;
    tall.height = 5;
    const QByteArray bytes = icoFile({small, tall});

    QBuffer buffer(const_cast<QByteArray*>(&bytes));
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 2);
    expectSamePixels(reader.read().convertToFormat(QImage::Format_ARGB32), small);
    ASSERT_TRUE(reader.jumpToImage(1));
    expectSamePixels(reader.read().convertToFormat(QImage::Format_ARGB32), tall);
}

TEST(DrawingFiles, IconRefusesMoreThan16Colours) {
    IndexedImage image;
    image.width = 17;
    image.height = 1;
    for (int i = 0; i < 17; ++i) {
        image.palette.push_back(qRgb(i * 10, 0, 0));
        image.pixels.push_back(static_cast<std::uint8_t>(i));
    }
    image.palette.resize(32, 0xff000000);
    EXPECT_THROW(icoFile({image}), std::invalid_argument);
    image.pixels[16] = 0;  // now 16 colours in use
    EXPECT_NO_THROW(icoFile({image}));
}

TEST(DrawingPalette, MedianCutKeepsFewColoursExactAndLimitsMany) {
    QImage few(8, 8, QImage::Format_ARGB32);
    few.fill(qRgb(250, 10, 10));
    few.setPixel(1, 1, qRgb(12, 200, 40));
    few.setPixel(2, 5, qRgb(30, 30, 255));
    few.setPixel(7, 7, 0);  // transparent
    const IndexedImage kept = reduceByMedianCut(few, 16, true);
    expectSamePixels(kept.toImage(), kept);
    EXPECT_EQ(kept.toImage().pixel(0, 0), qRgb(250, 10, 10));
    EXPECT_EQ(kept.toImage().pixel(1, 1), qRgb(12, 200, 40));
    EXPECT_EQ(kept.toImage().pixel(2, 5), qRgb(30, 30, 255));
    EXPECT_TRUE(mss::picturetest::isTransparent(kept.toImage().pixel(7, 7)));

    QImage ramp(256, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 256; ++x) ramp.setPixel(x, y, qRgb(x / 4, x / 2, x));
    const IndexedImage reduced = reduceByMedianCut(ramp, 16, false);
    std::set<std::uint8_t> used(reduced.pixels.begin(), reduced.pixels.end());
    EXPECT_EQ(used.size(), 16u);
    const QImage back = reduced.toImage();
    for (int x = 0; x < 256; ++x)
        EXPECT_LE(std::abs(qBlue(back.pixel(x, 0)) - x), 10) << "the nearest of 16 even steps, x " << x;
}

}  // namespace
