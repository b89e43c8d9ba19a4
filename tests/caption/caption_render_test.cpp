// SPDX-License-Identifier: GPL-3.0-or-later
// The caption drawn for real: pixels of the composed strip and of the window
// image it is copied into.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

#include "caption/paint_gradient_caption.h"
#include "caption_test_support.h"

using namespace mss::caption;
using namespace mss::caption::testing;

namespace {

constexpr int kWidth = 798;
const QColor kWindowBackground(0, 160, 0);
const QColor kIconColour(255, 0, 255);

// Text is white; neither caption colour goes above 128 in any channel and the
// magenta test icon has no green, so a pixel light in red and green is ink.
bool isInk(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.red() > 160 && c.green() > 160;
}

struct Ink {
    int count = 0;
    QRect box;  // bounding box of the ink
};

Ink inkIn(const QImage& image, const QRect& area) {
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(image, x, y)) {
                ++ink.count;
                ink.box |= QRect(x, y, 1, 1);
            }
    return ink;
}

class CaptionRender : public ::testing::Test {
protected:
    GradientCaptionPainter painter;  // of no window

    CaptionResult compose(const QString& title, bool withIcon = true, bool active = true) {
        window = QImage(kWidth, 60, QImage::Format_RGB32);
        window.fill(kWindowBackground);
        CaptionInputs in{kWidth, title, withIcon ? solidImage(kIconColour) : QImage(), active};
        return painter.ComposeCaption(in, &window);
    }

    QImage window;
    const CaptionMetrics m = kStandardCaptionMetrics;
};

}  // namespace

TEST_F(CaptionRender, TheStripRunsFromBlackToTheCaptionColourUnderTheIcon) {
    const CaptionResult r = compose("");
    const StripGeometry& g = r.geometry;
    const int f = m.frameWidth;
    ASSERT_EQ(r.strip.width(), kWidth);
    ASSERT_EQ(r.strip.height(), kStripHeight);

    // Band 0 outside the icon cell is nearly black; the last band is the caption colour.
    EXPECT_EQ(colourAt(r.strip, f, f), makeColour(0, 0, 1));
    EXPECT_EQ(colourAt(r.strip, f, g.firstBand.bottom - 1), makeColour(0, 0, 1));
    for (int x : {g.lastBand.left, g.lastBand.right - 1})
        for (int y : {g.lastBand.top, g.lastBand.bottom - 1})
            EXPECT_EQ(colourAt(r.strip, x, y), kActiveCaptionColour) << x << "," << y;
    EXPECT_EQ(g.lastBand.right, f + g.gradientWidth - 4);

    // Blue grows band by band from left to right.
    int previous = -1;
    for (const Rect& band : g.bands()) {
        const int blue = r.strip.pixelColor(band.right - 1, band.top).blue();
        EXPECT_GE(blue, previous) << band.left;
        previous = blue;
    }

    // The icon fills its cell and nothing else.
    const QRect icon = toQRect(g.icon);
    EXPECT_EQ(icon, QRect(f + 1, f + 1, m.buttonWidth - 2, m.buttonHeight - 2));
    for (const QPoint p : {icon.topLeft(), icon.topRight(), icon.bottomLeft(), icon.bottomRight(),
                           icon.center()})
        EXPECT_EQ(r.strip.pixelColor(p), kIconColour) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(icon.left() - 1, icon.top()), QPoint(icon.right() + 1, icon.top()),
                           QPoint(icon.left(), icon.top() - 1),
                           QPoint(icon.left(), icon.bottom() + 1)})
        EXPECT_NE(r.strip.pixelColor(p), kIconColour) << p.x() << "," << p.y();
}

TEST_F(CaptionRender, OnlyTheCopiedRectangleReachesTheWindow) {
    const CaptionResult r = compose("МСС-65");
    const QRect copied = r.copied;
    const int f = m.frameWidth;
    EXPECT_EQ(copied, QRect(f, f, r.geometry.gradientWidth - 4, m.captionHeight - 1));
    EXPECT_EQ(r.excluded, QRect(QPoint(f, f), QPoint(r.geometry.gradientWidth - 3, m.captionHeight + 2)));

    for (int y = copied.top(); y <= copied.bottom(); ++y)
        for (int x = copied.left(); x <= copied.right(); ++x)
            ASSERT_EQ(window.pixel(x, y), r.strip.pixel(x, y)) << x << "," << y;
    // Just outside on every side the window keeps its own pixels.
    for (const QPoint p : {QPoint(copied.left() - 1, copied.top()),
                           QPoint(copied.right() + 1, copied.top()),
                           QPoint(copied.left(), copied.top() - 1),
                           QPoint(copied.left(), copied.bottom() + 1)})
        EXPECT_EQ(window.pixelColor(p), kWindowBackground) << p.x() << "," << p.y();
}

TEST_F(CaptionRender, TheTitleIsWhiteInsideItsRectangle) {
    const int f = m.frameWidth;
    for (bool withIcon : {true, false}) {
        SCOPED_TRACE(withIcon ? "with icon" : "without icon");
        const CaptionResult r = compose("МСС-65 — флаги", withIcon);
        const QImage plain = compose("", withIcon).strip;
        const QRect title = toQRect(r.geometry.title);
        EXPECT_EQ(title.left(), withIcon ? f + m.buttonWidth + 4 : f + 2);

        // The text is what differs from the same strip without a title.
        int differing = 0;
        bool white = false;
        QRect box;
        for (int y = 0; y < r.strip.height(); ++y)
            for (int x = 0; x < kWidth; ++x)
                if (r.strip.pixel(x, y) != plain.pixel(x, y)) {
                    ++differing;
                    box |= QRect(x, y, 1, 1);
                    white = white || r.strip.pixelColor(x, y) == QColor(Qt::white);
                }
        EXPECT_GT(differing, 50);
        EXPECT_TRUE(title.contains(box)) << box.left() << ".." << box.right();
        EXPECT_LE(box.left(), title.left() + 2);  // left-aligned
        EXPECT_TRUE(white);
        // Centred vertically: as much room above the ink as below, give or take.
        EXPECT_LE(std::abs((box.top() - title.top()) - (title.bottom() - box.bottom())), 4);
    }
}

TEST_F(CaptionRender, InactiveCaptionEndsInItsOwnColour) {
    const CaptionResult active = compose("МСС-65", true, true);
    const CaptionResult inactive = compose("МСС-65", true, false);
    const Rect last = inactive.geometry.lastBand;
    EXPECT_EQ(colourAt(inactive.strip, last.left, last.top), kInactiveCaptionColour);
    EXPECT_EQ(colourAt(active.strip, last.left, last.top), kActiveCaptionColour);
    EXPECT_NE(kActiveCaptionColour, kInactiveCaptionColour);
    // The first band is nearly black in both.
    const QColor first = inactive.strip.pixelColor(m.frameWidth, m.frameWidth);
    EXPECT_LE(std::max({first.red(), first.green(), first.blue()}), 2);
}

TEST_F(CaptionRender, LeadingSpacesOfTheTitleAreNotDrawn) {
    const QImage trimmed = compose("МСС-65").strip;
    EXPECT_EQ(compose("   МСС-65").strip, trimmed);
    EXPECT_NE(compose("МСС-66").strip, trimmed);  // the comparison does see the text
}

TEST_F(CaptionRender, ATooLongTitleEndsWithAnEllipsis) {
    const QString title = QString("Ш").repeated(200);
    const CaptionResult r = compose(title, false);
    const QRect box = toQRect(r.geometry.title);
    ASSERT_GT(QFontMetrics(painter.lastCaptionFont()).horizontalAdvance(title), box.width());

    const Ink all = inkIn(r.strip, box);
    ASSERT_GT(all.count, 0);
    EXPECT_LE(all.box.right(), box.right());
    EXPECT_GT(all.box.right(), box.right() - 30);  // the text runs up to the right end

    // A letter Ш stands the full cap height; the dots of an ellipsis are low and
    // short. So the last inked columns hold only a thin run of ink.
    const Ink tail = inkIn(r.strip, QRect(all.box.right() - 1, box.top(), 2, box.height()));
    const Ink head = inkIn(r.strip, QRect(all.box.left(), box.top(), 2, box.height()));
    ASSERT_GT(tail.count, 0);
    EXPECT_LE(tail.box.height(), 4);
    EXPECT_GE(head.box.height(), 3 * tail.box.height());
    EXPECT_GE(tail.box.top(), head.box.center().y());  // the dots sit in the lower half
}

TEST(ImageCanvas, TextIsCentredVerticallyAndKeptInsideItsRectangle) {
    QFont font("DejaVu Sans");
    struct Case {
        const char* what;
        int pixelSize;
        Rect box;
    };
    const Case cases[] = {
        {"small text in a tall box", 12, {10, 0, 190, 100}},
        {"tall text in a short box", 40, {10, 40, 190, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImageCaptionCanvas canvas(200, 100, nullptr);
        font.setPixelSize(c.pixelSize);
        canvas.selectFont(font);
        canvas.setTextColour(makeColour(255, 255, 255));
        canvas.drawText("ШНШ", c.box);
        const Ink ink = inkIn(canvas.strip(), canvas.strip().rect());
        ASSERT_GT(ink.count, 0);
        EXPECT_TRUE(toQRect(c.box).contains(ink.box))
            << ink.box.top() << ".." << ink.box.bottom();
        EXPECT_LE(ink.box.left(), c.box.left + 2 + c.pixelSize / 8);  // side bearing only
        const double middle = (c.box.top + c.box.bottom) / 2.0;
        EXPECT_NEAR((ink.box.top() + ink.box.bottom() + 1) / 2.0, middle, 3.0);
    }
}
