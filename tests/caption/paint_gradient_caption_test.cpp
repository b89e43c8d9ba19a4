// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPixmap>
#include <QWidget>

#include "caption/paint_gradient_caption.h"
#include "caption_test_support.h"

using namespace mss::caption;
using namespace mss::caption::testing;

namespace mss::caption {
void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
}  // namespace mss::caption

namespace {

class PaintSteps : public ::testing::Test {
protected:
    GradientCaptionPainter painter;  // of no window

    // Gradient width w with the standard metrics.
    static int windowWidthFor(int w) {
        const CaptionMetrics m = kStandardCaptionMetrics;
        return w + 2 * m.frameWidth + 3 * m.buttonWidth - 6;
    }

    const Colour navy = makeColour(0, 0, 128);
};

}  // namespace

TEST_F(PaintSteps, RunInOrderWithTheTableEntryOfEachBand) {
    RecordingCanvas canvas;
    const CaptionInputs in{798, "  МСС-65 — флаги  ", solidImage(Qt::red), true};
    const StripGeometry g = painter.PaintGradientCaption(makeColour(0, 0, 0), navy, in, canvas);

    EXPECT_EQ(canvas.kinds(), (std::vector<std::string>{"fill", "icon", "font", "textColour",
                                                        "text", "copy", "exclude"}));
    const auto fills = canvas.of("fill");
    const auto bands = g.bands();
    ASSERT_EQ(fills.size(), bands.size());
    ASSERT_EQ(fills.size(), 93u);
    std::vector<Colour> table(94);
    ASSERT_TRUE(FillGradientTable(table, makeColour(0, 0, 0), navy));
    for (std::size_t i = 0; i < fills.size(); ++i) {
        EXPECT_EQ(fills[i]->rect, bands[i]) << i;
        EXPECT_EQ(fills[i]->colour, table[i]) << i;
    }
    EXPECT_EQ(fills.front()->colour, makeColour(0, 0, 1));
    EXPECT_EQ(fills.back()->colour, navy);

    EXPECT_EQ(canvas.of("icon").at(0)->rect, g.icon);
    EXPECT_EQ(canvas.of("textColour").at(0)->colour, makeColour(255, 255, 255));
    const auto* text = canvas.of("text").at(0);
    EXPECT_EQ(text->text, QString("МСС-65 — флаги  "));  // leading spaces gone, trailing kept
    EXPECT_EQ(text->rect, g.title);
    EXPECT_EQ(canvas.of("copy").at(0)->rect, g.copied);
    EXPECT_EQ(canvas.of("exclude").at(0)->rect, g.excluded);
}

TEST_F(PaintSteps, NothingToShowSkipsOnlyItsOwnStep) {
    struct Case {
        const char* what;
        CaptionInputs in;
        std::vector<std::string> kinds;
    };
    const Case cases[] = {
        {"no icon", {798, "Флаги", QImage(), true},
         {"fill", "font", "textColour", "text", "copy", "exclude"}},
        {"empty title", {798, "", solidImage(Qt::red), true},
         {"fill", "icon", "font", "textColour", "copy", "exclude"}},
        {"title of spaces only", {798, "    ", QImage(), true},
         {"fill", "font", "textColour", "copy", "exclude"}},
        {"narrower than one band", {windowWidthFor(7), "Флаги", solidImage(Qt::red), true},
         {"icon", "font", "textColour", "text", "copy", "exclude"}},
        {"window narrower than its buttons", {20, "Флаги", QImage(), true},
         {"font", "textColour", "text", "copy", "exclude"}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        painter.PaintGradientCaption(makeColour(0, 0, 0), navy, c.in, canvas);
        EXPECT_EQ(canvas.kinds(), c.kinds) << c.what;
    }
}

TEST_F(PaintSteps, ASingleBandTakesTheEndColour) {
    RecordingCanvas canvas;
    const CaptionInputs in{windowWidthFor(12), "", QImage(), true};
    painter.PaintGradientCaption(makeColour(0, 0, 0), navy, in, canvas);
    const auto fills = canvas.of("fill");
    ASSERT_EQ(fills.size(), 1u);
    const int f = kStandardCaptionMetrics.frameWidth;
    EXPECT_EQ(fills[0]->rect, (Rect{f, f, f + 12, f + kStandardCaptionMetrics.captionHeight - 1}));
    EXPECT_EQ(fills[0]->colour, navy);
}

TEST_F(PaintSteps, TheTitleFontIsReadOnce) {
    // A font already read stays, whatever the platform would give now.
    const QFont chosen("Liberation Serif", 9);
    painter.setCaptionLogFont(chosen);
    RecordingCanvas canvas;
    painter.PaintGradientCaption(0, navy, {798, "Флаги", QImage(), true}, canvas);
    EXPECT_EQ(painter.captionLogFont(), chosen);
    EXPECT_EQ(painter.lastCaptionFont().family(), chosen.family());
    EXPECT_EQ(canvas.of("font").at(0)->text, chosen.family());

    // Not read yet: the first paint reads the platform's title font.
    GradientCaptionPainter fresh;
    EXPECT_FALSE(fresh.captionFontKnown());
    fresh.PaintGradientCaption(0, navy, {798, "Флаги", QImage(), true}, canvas);
    EXPECT_TRUE(fresh.captionFontKnown());
    EXPECT_EQ(fresh.captionLogFont(), QFontDatabase::systemFont(QFontDatabase::TitleFont));
}

TEST(CaptionFont, FitsTheBandAndScalesWithTheMetrics) {
    const CaptionMetrics standard = kStandardCaptionMetrics;
    const CaptionMetrics twice = scaleCaptionMetrics(standard, 2.0);
    QFont eightPoint("DejaVu Sans");
    eightPoint.setPointSize(8);  // 11 px at 96 dpi
    QFont huge("DejaVu Sans");
    huge.setPixelSize(40);

    struct Case {
        const char* what;
        QFont logFont;
        CaptionMetrics metrics;
        int pixelSize;  // 0: only has to fit
    };
    const Case cases[] = {
        {"8 pt at 100 %", eightPoint, standard, 11},
        {"8 pt at 200 %", eightPoint, twice, 21},
        {"40 px at 100 %", huge, standard, 0},
        {"40 px at 200 %", huge, twice, 0},
    };
    for (const Case& c : cases) {
        const QFont font = CaptionFontFor(c.logFont, c.metrics);
        EXPECT_EQ(font.family(), c.logFont.family()) << c.what;
        EXPECT_LE(QFontMetrics(font).height(), c.metrics.captionHeight - 1) << c.what;
        if (c.pixelSize != 0) {
            EXPECT_EQ(font.pixelSize(), c.pixelSize) << c.what;
        } else {
            EXPECT_GE(QFontMetrics(font).height(), c.metrics.captionHeight - 3) << c.what;
        }
    }
}

TEST_F(PaintSteps, TheMainWindowGivesWidthTitleAndIcon) {
    EXPECT_EQ(painter.windowInputs(true).windowWidth, 0);  // no window

    QWidget window;
    window.resize(798, 560);
    window.setWindowTitle("  МСС-65");
    window.setWindowIcon(QIcon(QPixmap::fromImage(solidImage(Qt::red, 48))));
    const GradientCaptionPainter ofWindow(&window);

    const CaptionInputs in = ofWindow.windowInputs(false);
    EXPECT_EQ(in.windowWidth, 798);
    EXPECT_EQ(in.title, QString("  МСС-65"));
    EXPECT_FALSE(in.active);
    EXPECT_EQ(in.metrics.captionHeight, kStandardCaptionMetrics.captionHeight);
    ASSERT_FALSE(in.icon.isNull());
    EXPECT_EQ(in.icon.size(), QSize(16, 16));

    window.setWindowIcon(QIcon());
    EXPECT_TRUE(GradientCaptionPainter(&window).windowInputs(true).icon.isNull());
}
