// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures, read through the program's resources and decoded by
// Qt the way the windows will show them.

#include "picture_checks.h"
#include "picture_resources.h"

#include "codebook/flag_catalogue.h"
#include "codebook/signal_flags.h"

#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <vector>

namespace {

using namespace mss::picturetest;
using mss::codebook::flagIndexOfSymbol;
namespace pictures = mss::pictures;

constexpr QRgb kRed = 0xffff0000, kBlue = 0xff0000ff, kYellow = 0xffffff00, kBlack = 0xff000000,
               kWhite = 0xffffffff;

struct FlagPicture {
    std::string label;
    QString path;
    std::string name;  // "A", "7", "substitute-1", "answering"
    QSize size;
};

// The 36 catalogue pictures, the separate M, the three substitutes and the
// answering pennant.
std::vector<FlagPicture> flagPictures() {
    std::vector<FlagPicture> list;
    for (int k = 0; k < mss::codebook::kFlagCount; ++k) {
        const char symbol = mss::codebook::symbolOfFlag(k);
        list.push_back({"flag " + std::to_string(k) + " (" + symbol + ")", pictures::flagPicturePath(k),
                        std::string(1, symbol), k == 12 ? QSize(92, 58) : QSize(91, 60)});
    }
    list.push_back({"medical M", pictures::medicalFlagPicturePath(), "M", QSize(91, 60)});
    for (int n = 1; n <= mss::codebook::kSubstituteCount; ++n)
        list.push_back({"substitute " + std::to_string(n),
                        pictures::signalFlagPicturePath(mss::codebook::substituteFlag(n)),
                        "substitute-" + std::to_string(n), QSize(91, 60)});
    list.push_back({"answering pennant", pictures::signalFlagPicturePath(mss::codebook::kAnsweringPennant),
                    "answering", QSize(91, 60)});
    return list;
}

enum class Shape { Rectangle, SwallowTail, Pennant };

Shape shapeOf(const std::string& name) {
    if (name == "A" || name == "B") return Shape::SwallowTail;
    if (name.size() > 1 || (name[0] >= '0' && name[0] <= '9')) return Shape::Pennant;
    return Shape::Rectangle;
}

TEST(CommittedFlags, EachIsAGifOfItsSizeWith16To256Colours) {
    for (const FlagPicture& flag : flagPictures()) {
        SCOPED_TRACE(flag.label);
        const GifFacts facts = gifFacts(readBytes(flag.path));
        ASSERT_TRUE(facts.valid);
        EXPECT_EQ(QSize(facts.width, facts.height), flag.size);
        EXPECT_GE(facts.paletteSize, 16);
        EXPECT_LE(facts.paletteSize, 256);
        EXPECT_EQ(decode(flag.path).size(), flag.size);
    }
}

// Where the outline leaves the rectangle the picture is transparent, and
// nowhere else. Pixels within a pixel of the edge may go either way.
TEST(CommittedFlags, TransparentExactlyOutsideTheOutline) {
    for (const FlagPicture& flag : flagPictures()) {
        SCOPED_TRACE(flag.label);
        const QImage image = decode(flag.path);
        ASSERT_FALSE(image.isNull());
        const double w = image.width(), h = image.height(), mid = h / 2;

        // How far (in pixels) a point lies inside the outline; negative outside.
        std::function<double(double, double)> inside;
        switch (shapeOf(flag.name)) {
        case Shape::Rectangle: inside = [](double, double) { return 1e9; }; break;
        case Shape::Pennant:
            // Full height at the hoist, a point in the middle of the fly.
            inside = [=](double x, double y) { return mid * (1 - x / w) - std::abs(y - mid); };
            break;
        case Shape::SwallowTail: {
            // The notch opens over the whole fly edge; its apex is wherever
            // the middle row first turns transparent, and must lie in the fly.
            int apex = image.width();
            for (int x = 0; x < image.width(); ++x)
                if (isTransparent(image.pixel(x, image.height() / 2))) {
                    apex = x;
                    break;
                }
            ASSERT_GT(apex, 0.6 * w) << "notch too deep";
            ASSERT_LT(apex, 0.85 * w) << "notch missing or too shallow";
            inside = [=](double x, double y) { return apex + (w - apex) * std::abs(y - mid) / mid - x; };
            break;
        }
        }

        int wrong = 0;
        QPoint first;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double depth = inside(x + 0.5, y + 0.5);
                const bool transparent = isTransparent(image.pixel(x, y));
                if (((depth > 1 && transparent) || (depth < -1 && !transparent)) && wrong++ == 0) first = QPoint(x, y);
            }
        EXPECT_EQ(wrong, 0) << "first wrong pixel (" << first.x() << ", " << first.y() << "), "
                            << describe(image.pixel(first));
    }
}

struct Probe {
    std::string_view flag;  // "A", "7", "substitute-1", "answering"
    double x, y;  // fractions of the width and height
    QRgb colour;
};

// A few pixels of each flag that show its design.
const std::vector<Probe> kProbes = {
    {"A", 0.2, 0.5, kWhite},   {"A", 0.6, 0.5, kBlue},    {"A", 0.92, 0.08, kBlue},  {"A", 0.92, 0.92, kBlue},
    {"B", 0.2, 0.5, kRed},     {"B", 0.92, 0.08, kRed},   {"B", 0.92, 0.92, kRed},
    {"C", 0.5, 0.1, kBlue},    {"C", 0.5, 0.3, kWhite},   {"C", 0.5, 0.5, kRed},     {"C", 0.5, 0.7, kWhite},
    {"C", 0.5, 0.9, kBlue},
    {"D", 0.5, 0.1, kYellow},  {"D", 0.5, 0.3, kBlue},    {"D", 0.5, 0.7, kBlue},    {"D", 0.5, 0.9, kYellow},
    {"E", 0.5, 0.25, kBlue},   {"E", 0.5, 0.75, kRed},
    {"F", 0.5, 0.5, kRed},     {"F", 0.5, 0.15, kRed},    {"F", 0.2, 0.2, kWhite},   {"F", 0.8, 0.8, kWhite},
    {"G", 1 / 12., 0.5, kYellow}, {"G", 3 / 12., 0.5, kBlue}, {"G", 5 / 12., 0.5, kYellow},
    {"G", 7 / 12., 0.5, kBlue},   {"G", 9 / 12., 0.5, kYellow}, {"G", 11 / 12., 0.5, kBlue},
    {"H", 0.25, 0.5, kWhite},  {"H", 0.75, 0.5, kRed},
    {"I", 0.5, 0.5, kBlack},   {"I", 0.5, 0.1, kYellow},  {"I", 0.1, 0.5, kYellow},  {"I", 0.9, 0.9, kYellow},
    {"J", 0.5, 1 / 6., kBlue}, {"J", 0.5, 0.5, kWhite},   {"J", 0.5, 5 / 6., kBlue},
    {"K", 0.25, 0.5, kYellow}, {"K", 0.75, 0.5, kBlue},
    {"L", 0.25, 0.25, kYellow}, {"L", 0.75, 0.25, kBlack}, {"L", 0.25, 0.75, kBlack}, {"L", 0.75, 0.75, kYellow},
    {"M", 0.5, 0.5, kWhite},   {"M", 0.1, 0.1, kWhite},   {"M", 0.1, 0.9, kWhite},   {"M", 0.5, 0.12, kBlue},
    {"M", 0.1, 0.5, kBlue},    {"M", 0.9, 0.5, kBlue},
    {"N", 0.125, 0.125, kBlue}, {"N", 0.375, 0.125, kWhite}, {"N", 0.125, 0.375, kWhite},
    {"N", 0.375, 0.375, kBlue}, {"N", 0.875, 0.875, kBlue},  {"N", 0.875, 0.125, kWhite},
    {"O", 0.8, 0.2, kRed},     {"O", 0.2, 0.8, kYellow},
    {"P", 0.5, 0.5, kWhite},   {"P", 0.1, 0.5, kBlue},    {"P", 0.5, 0.1, kBlue},    {"P", 0.9, 0.9, kBlue},
    {"Q", 0.5, 0.5, kYellow},  {"Q", 0.05, 0.05, kYellow}, {"Q", 0.95, 0.95, kYellow},
    {"R", 0.5, 0.5, kYellow},  {"R", 0.5, 0.1, kYellow},  {"R", 0.1, 0.5, kYellow},  {"R", 0.2, 0.2, kRed},
    {"R", 0.8, 0.8, kRed},
    {"S", 0.5, 0.5, kBlue},    {"S", 0.1, 0.5, kWhite},   {"S", 0.5, 0.1, kWhite},
    {"T", 1 / 6., 0.5, kRed},  {"T", 0.5, 0.5, kWhite},   {"T", 5 / 6., 0.5, kBlue},
    {"U", 0.25, 0.25, kRed},   {"U", 0.75, 0.25, kWhite}, {"U", 0.25, 0.75, kWhite}, {"U", 0.75, 0.75, kRed},
    {"V", 0.5, 0.5, kRed},     {"V", 0.1, 0.1, kRed},     {"V", 0.5, 0.12, kWhite},  {"V", 0.1, 0.5, kWhite},
    {"W", 0.04, 0.5, kBlue},   {"W", 0.5, 0.05, kBlue},   {"W", 0.5, 0.25, kWhite},  {"W", 0.15, 0.5, kWhite},
    {"W", 0.5, 0.5, kRed},
    {"X", 0.5, 0.5, kBlue},    {"X", 0.5, 0.1, kBlue},    {"X", 0.1, 0.5, kBlue},    {"X", 0.2, 0.2, kWhite},
    // Y: yellow in the upper hoist corner, bands slanting up toward the fly.
    {"Y", 0.02, 0.03, kYellow}, {"Y", 0.2, 0.5, kRed},    {"Y", 0.4, 0.5, kYellow},  {"Y", 0.98, 0.97, kRed},
    {"Z", 0.5, 0.1, kYellow},  {"Z", 0.9, 0.5, kBlue},    {"Z", 0.5, 0.9, kRed},     {"Z", 0.1, 0.5, kBlack},
    {"1", 0.27, 0.5, kRed},    {"1", 0.05, 0.1, kWhite},  {"1", 0.6, 0.5, kWhite},
    {"2", 0.27, 0.5, kWhite},  {"2", 0.05, 0.1, kBlue},   {"2", 0.6, 0.5, kBlue},
    {"3", 1 / 6., 0.5, kRed},  {"3", 0.5, 0.5, kWhite},   {"3", 5 / 6., 0.5, kBlue},
    {"4", 0.27, 0.5, kWhite},  {"4", 0.27, 0.2, kWhite},  {"4", 0.7, 0.5, kWhite},   {"4", 0.1, 0.3, kRed},
    {"4", 0.5, 0.35, kRed},
    {"5", 0.25, 0.5, kYellow}, {"5", 0.75, 0.5, kBlue},
    {"6", 0.2, 0.3, kBlack},   {"6", 0.2, 0.7, kWhite},
    {"7", 0.2, 0.3, kYellow},  {"7", 0.2, 0.7, kRed},
    {"8", 0.27, 0.5, kRed},    {"8", 0.27, 0.2, kRed},    {"8", 0.7, 0.5, kRed},     {"8", 0.1, 0.3, kWhite},
    {"8", 0.5, 0.35, kWhite},
    {"9", 0.2, 0.3, kWhite},   {"9", 0.55, 0.4, kBlack},  {"9", 0.2, 0.7, kRed},     {"9", 0.55, 0.6, kYellow},
    {"0", 1 / 6., 0.5, kYellow}, {"0", 0.5, 0.5, kRed},   {"0", 5 / 6., 0.5, kYellow},
    // The 1st substitute: yellow, bordered in blue along all three edges.
    {"substitute-1", 0.2, 0.5, kYellow}, {"substitute-1", 0.02, 0.5, kBlue}, {"substitute-1", 0.3, 0.2, kBlue},
    {"substitute-1", 0.3, 0.8, kBlue},   {"substitute-1", 0.6, 0.5, kYellow}, {"substitute-1", 0.85, 0.5, kBlue},
    {"substitute-2", 0.15, 0.5, kBlue},  {"substitute-2", 0.3, 0.3, kBlue},   {"substitute-2", 0.45, 0.5, kWhite},
    {"substitute-2", 0.7, 0.5, kWhite},
    {"substitute-3", 0.2, 0.15, kWhite}, {"substitute-3", 0.2, 0.5, kBlack},  {"substitute-3", 0.2, 0.85, kWhite},
    {"substitute-3", 0.8, 0.5, kBlack},
    {"answering", 0.1, 0.5, kRed},       {"answering", 0.3, 0.5, kWhite},     {"answering", 0.5, 0.5, kRed},
    {"answering", 0.7, 0.5, kWhite},     {"answering", 0.85, 0.5, kRed},
};

TEST(CommittedFlags, ProbedPixelsShowEachDesign) {
    for (const FlagPicture& flag : flagPictures()) {
        SCOPED_TRACE(flag.label);
        const QImage image = decode(flag.path);
        ASSERT_FALSE(image.isNull());
        int probes = 0;
        for (const Probe& probe : kProbes) {
            if (probe.flag != flag.name) continue;
            ++probes;
            const int x = static_cast<int>(probe.x * image.width()), y = static_cast<int>(probe.y * image.height());
            EXPECT_TRUE(colourNear(image.pixel(x, y), probe.colour)) << "at (" << x << ", " << y << ")";
        }
        EXPECT_GE(probes, 2) << "every flag needs probes";
    }
}

TEST(CommittedFlags, MedicalMIsAPictureOfItsOwn) {
    EXPECT_NE(pictures::medicalFlagPicturePath(), pictures::flagPicturePath(*flagIndexOfSymbol('M')));
    EXPECT_NE(decode(pictures::medicalFlagPicturePath()).size(), decode(pictures::flagPicturePath(12)).size());
}

TEST(CommittedShip, SailsOnATransparentGround) {
    const QString path = pictures::shipPicturePath();
    const GifFacts facts = gifFacts(readBytes(path));
    ASSERT_TRUE(facts.valid);
    EXPECT_GE(facts.transparentIndex, 0);
    const QImage ship = decode(path);
    ASSERT_EQ(ship.size(), QSize(65, 85));

    for (QPoint corner : {QPoint(0, 0), QPoint(64, 0), QPoint(0, 84), QPoint(64, 84)})
        EXPECT_TRUE(isTransparent(ship.pixel(corner))) << corner.x() << ", " << corner.y();
    int transparent = 0, sail = 0, sailLow = 0;
    for (int y = 0; y < ship.height(); ++y)
        for (int x = 0; x < ship.width(); ++x) {
            const QRgb p = ship.pixel(x, y);
            if (isTransparent(p)) {
                ++transparent;
            } else if (qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235) {
                ++sail;
                if (y > 70) ++sailLow;
            }
        }
    const int all = ship.width() * ship.height();
    EXPECT_GT(transparent, all / 4) << "the ground is transparent";
    EXPECT_LT(transparent, all * 3 / 4) << "a ship fills much of the picture";
    EXPECT_GT(sail, all / 5) << "white sails";
    EXPECT_LT(sailLow, sail / 20) << "the sails stand above the hull";
}

int brightness(QRgb p) { return qRed(p) + qGreen(p) + qBlue(p); }

TEST(CommittedBackgrounds, MainWindowGroundIsABlueEllipseBrightTowardTheLowerRight) {
    const QString path = pictures::mainBackgroundPath();
    const GifFacts facts = gifFacts(readBytes(path));
    ASSERT_TRUE(facts.valid);
    EXPECT_EQ(facts.transparentIndex, -1);
    const QImage ground = decode(path);
    ASSERT_EQ(ground.size(), QSize(795, 596));

    QPoint brightest;
    for (int y = 0; y < ground.height(); ++y)
        for (int x = 0; x < ground.width(); ++x) {
            const QRgb p = ground.pixel(x, y);
            ASSERT_TRUE(qBlue(p) >= qRed(p) && qBlue(p) >= qGreen(p)) << "not blue at " << x << ", " << y;
            if (brightness(p) > brightness(ground.pixel(brightest))) brightest = QPoint(x, y);
        }
    EXPECT_GT(brightest.x(), ground.width() / 2);
    EXPECT_GT(brightest.y(), ground.height() / 2);
    EXPECT_GT(qBlue(ground.pixel(brightest)), 230);

    // Dark navy in the top-left corner, dark in the far corners as well.
    const QRgb topLeft = ground.pixel(0, 0);
    EXPECT_LT(qBlue(topLeft), 100);
    EXPECT_LT(qRed(topLeft) + qGreen(topLeft), 40);
    for (QPoint corner : {QPoint(794, 0), QPoint(0, 595)})
        EXPECT_LT(qBlue(ground.pixel(corner)), 140) << corner.x() << ", " << corner.y();
    // The gradient falls off smoothly from the bright middle: no band jumps.
    for (int x = 1; x < ground.width(); ++x)
        ASSERT_LE(std::abs(qBlue(ground.pixel(x, 400)) - qBlue(ground.pixel(x - 1, 400))), 6) << "at x " << x;
}

TEST(CommittedBackgrounds, AboutGroundIsADeepSkyWithAGlowAndAHorizon) {
    const QString path = pictures::aboutBackgroundPath();
    const GifFacts facts = gifFacts(readBytes(path));
    ASSERT_TRUE(facts.valid);
    EXPECT_EQ(facts.paletteSize, 256);
    EXPECT_EQ(facts.transparentIndex, -1);
    const QImage sky = decode(path);
    ASSERT_EQ(sky.size(), QSize(357, 268));

    for (QPoint deep : {QPoint(5, 5), QPoint(100, 0), QPoint(178, 134), QPoint(350, 60)}) {
        const QRgb p = sky.pixel(deep);
        EXPECT_TRUE(qBlue(p) > 80 && qBlue(p) < 200 && qRed(p) < 40 && qGreen(p) < 90)
            << "deep blue at " << deep.x() << ", " << deep.y() << ": " << describe(p);
    }
    int glowX = 0;
    for (int x = 0; x < sky.width(); ++x)
        if (brightness(sky.pixel(x, 0)) > brightness(sky.pixel(glowX, 0))) glowX = x;
    EXPECT_GT(glowX, sky.width() / 2) << "right of the middle";
    EXPECT_LT(glowX, sky.width() * 85 / 100);
    EXPECT_TRUE(colourNear(sky.pixel(glowX, 0), kWhite, 40)) << "a bright glow";

    // Along the bottom: a band that is white at its top and light blue below.
    int whiteRow = -1;
    for (int y = sky.height() * 3 / 4; y < sky.height() && whiteRow < 0; ++y)
        if (colourNear(sky.pixel(sky.width() / 2, y), kWhite, 12)) whiteRow = y;
    ASSERT_GE(whiteRow, 0) << "no white horizon";
    const QRgb bottom = sky.pixel(sky.width() / 2, sky.height() - 1);
    EXPECT_TRUE(qBlue(bottom) > 230 && qRed(bottom) > 120 && qRed(bottom) < qBlue(bottom) - 40)
        << "light blue at the bottom: " << describe(bottom);
    for (int x = 0; x < sky.width(); x += 17)
        EXPECT_TRUE(colourNear(sky.pixel(x, whiteRow), kWhite, 20)) << "the horizon runs across, x " << x;
}

bool isRed(QRgb p) { return !isTransparent(p) && qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80; }
bool isWhite(QRgb p) { return !isTransparent(p) && qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) > 230; }

// A life buoy: transparent outside and in the middle, red and white in the ring.
void expectLifebuoy(const QImage& image) {
    const int n = image.width();
    ASSERT_EQ(image.height(), n);
    for (QPoint p : {QPoint(0, 0), QPoint(n - 1, 0), QPoint(0, n - 1), QPoint(n - 1, n - 1), QPoint(n / 2, n / 2)})
        EXPECT_TRUE(isTransparent(image.pixel(p))) << p.x() << ", " << p.y();
    int red = 0, white = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            red += isRed(image.pixel(x, y));
            white += isWhite(image.pixel(x, y));
        }
    EXPECT_GT(red, n * n / 12);
    EXPECT_GT(white, n * n / 40);
}

TEST(CommittedIcon, IconFileHoldsA32AndA16ImageOf16Colours) {
    const QByteArray bytes = readBytes(pictures::iconPath());
    ASSERT_GE(bytes.size(), 6 + 2 * 16);
    auto byte = [&](int i) { return static_cast<unsigned char>(bytes[i]); };
    ASSERT_EQ(byte(2) | byte(3) << 8, 1) << "an icon";
    ASSERT_EQ(byte(4) | byte(5) << 8, 2) << "two images";
    std::set<int> sizes;
    for (int entry = 0; entry < 2; ++entry) {
        const int at = 6 + 16 * entry;
        sizes.insert(byte(at));
        EXPECT_EQ(byte(at), byte(at + 1)) << "square";
        EXPECT_EQ(byte(at + 2), 16) << "colours";
        EXPECT_EQ(byte(at + 6) | byte(at + 7) << 8, 4) << "bits per pixel";
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));

    QImageReader reader(pictures::iconPath());
    ASSERT_EQ(reader.imageCount(), 2);
    std::set<int> decoded;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        SCOPED_TRACE(image.width());
        decoded.insert(image.width());
        expectLifebuoy(image);
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!isTransparent(image.pixel(x, y))) colours.insert(image.pixel(x, y));
        EXPECT_LE(colours.size(), 16u);
    }
    EXPECT_EQ(decoded, (std::set<int>{16, 32}));
}

TEST(CommittedIcon, PngsForTheDesktopInEverySize) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage image = decode(pictures::iconPngPath(size));
        ASSERT_EQ(image.size(), QSize(size, size));
        expectLifebuoy(image);
    }
}

TEST(CommittedResources, PathsForEveryPictureAndNoneOutsideTheCatalogue) {
    std::set<QString> paths;
    for (int k = 0; k < mss::codebook::kFlagCount; ++k) {
        const QString path = pictures::flagPicturePath(k);
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
        EXPECT_TRUE(path.endsWith(QStringLiteral("flag-%1.gif").arg(QChar(mss::codebook::symbolOfFlag(k)))))
            << path.toStdString();
        paths.insert(path);
    }
    EXPECT_EQ(paths.size(), 36u);
    EXPECT_TRUE(pictures::flagPicturePath(26).endsWith("flag-1.gif"));
    EXPECT_TRUE(pictures::flagPicturePath(35).endsWith("flag-0.gif"));
    for (const QString& path : {pictures::medicalFlagPicturePath(), pictures::shipPicturePath(),
                                pictures::mainBackgroundPath(), pictures::aboutBackgroundPath(), pictures::iconPath()})
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();

    // The forty flags of a set: the catalogue's own pictures, then four more.
    for (int k = 0; k < mss::codebook::kSignalFlagCount; ++k) {
        const QString path = pictures::signalFlagPicturePath(k);
        EXPECT_TRUE(QFile::exists(path)) << k;
        if (k < mss::codebook::kFlagCount) {
            EXPECT_EQ(path, pictures::flagPicturePath(k));
        }
        paths.insert(path);
    }
    EXPECT_EQ(paths.size(), 40u);
    EXPECT_TRUE(pictures::signalFlagPicturePath(37).endsWith("flag-substitute-2.gif"));
    EXPECT_TRUE(pictures::signalFlagPicturePath(39).endsWith("flag-answering.gif"));
    EXPECT_TRUE(pictures::signalFlagPicturePath(40).isEmpty());
    EXPECT_TRUE(pictures::signalFlagPicturePath(-1).isEmpty());

    EXPECT_TRUE(pictures::flagPicturePath(-1).isEmpty());
    EXPECT_TRUE(pictures::flagPicturePath(36).isEmpty());
    EXPECT_TRUE(pictures::iconPngPath(24).isEmpty());
}

}  // namespace
