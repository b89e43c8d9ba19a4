// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "caption/caption_geometry.h"

using namespace mss::caption;

namespace {

// The outer window width that leaves a gradient area of `w` pixels.
int windowWidthFor(int w, const CaptionMetrics& m) {
    return w + 2 * m.frameWidth + 3 * m.buttonWidth - 6;
}

std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

}  // namespace

namespace mss::caption {
void PrintTo(const Rect& r, std::ostream* os) { *os << r; }
}  // namespace mss::caption

TEST(StripGeometry, TheStandardWindowInNumbers) {
    const auto g = ComputeStripGeometry({798, kStandardCaptionMetrics, true});
    EXPECT_EQ(g.gradientWidth, 744);
    EXPECT_EQ(g.bandCount, 93);
    EXPECT_EQ(g.bandWidth, 8);
    EXPECT_EQ(g.lastRight, 743);
    EXPECT_EQ(g.firstBand, (Rect{3, 3, 11, 21}));
    EXPECT_EQ(g.lastBand, (Rect{739, 3, 743, 21}));
    EXPECT_EQ(g.icon, (Rect{4, 4, 20, 20}));
    EXPECT_EQ(g.title, (Rect{25, 3, 741, 21}));
    EXPECT_EQ(g.copied, (Rect{3, 3, 743, 21}));
    EXPECT_EQ(g.excluded, (Rect{3, 3, 742, 22}));
}

TEST(StripGeometry, WideStripsAreEightPixelBandsUpToTheButtons) {
    struct Case {
        int windowWidth;
        CaptionMetrics m;
    };
    const Case cases[] = {
        {798, kStandardCaptionMetrics},
        {800, {18, 4, 18, 14}},
        {403, kStandardCaptionMetrics},  // W mod 8 = 5
        {1597, {38, 6, 36, 36}},         // twice the standard size, W mod 8 = 7
        {windowWidthFor(64, kStandardCaptionMetrics), kStandardCaptionMetrics},  // n = 8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.windowWidth);
        const int f = c.m.frameWidth, hc = c.m.captionHeight;
        const int sx = c.m.buttonWidth, sy = c.m.buttonHeight;
        const int w = c.windowWidth - 2 * f - 3 * sx + 6;
        const int n = w / 8;
        ASSERT_GE(n, 8);

        const auto g = ComputeStripGeometry({c.windowWidth, c.m, true});
        EXPECT_EQ(g.gradientWidth, w);
        EXPECT_EQ(g.bandCount, n);
        EXPECT_EQ(g.bandWidth, 8);

        const auto bands = g.bands();
        ASSERT_EQ(static_cast<int>(bands.size()), n);
        for (int i = 0; i < n - 1; ++i)
            ASSERT_EQ(bands[i], (Rect{f + 8 * i, f, f + 8 * (i + 1), f + hc - 1})) << "band " << i;
        EXPECT_EQ(bands[n - 1], (Rect{f + 8 * (n - 1), f, f + w - 4, f + hc - 1}));
        EXPECT_EQ(bands[n - 1].width(), 4 + w % 8);
        EXPECT_EQ(g.lastBand, bands[n - 1]);

        EXPECT_EQ(g.icon, (Rect{f + 1, f + 1, f + sx - 1, f + sy - 1}));
        EXPECT_EQ(g.title, (Rect{f + sx + 4, f, f + w - 6, f + hc - 1}));
        EXPECT_EQ(g.copied, (Rect{f, f, f + w - 4, f + hc - 1}));
        EXPECT_EQ(g.excluded, (Rect{f, f, w - 2, hc + 3}));
    }
}

TEST(StripGeometry, WithoutIconTheTitleStartsAtTheFrame) {
    const auto with = ComputeStripGeometry({798, kStandardCaptionMetrics, true});
    const auto without = ComputeStripGeometry({798, kStandardCaptionMetrics, false});
    const int f = kStandardCaptionMetrics.frameWidth;
    EXPECT_FALSE(without.hasIcon);
    EXPECT_EQ(without.title, (Rect{f + 2, with.title.top, with.title.right, with.title.bottom}));
    EXPECT_EQ(without.copied, with.copied);
    EXPECT_EQ(without.excluded, with.excluded);
    EXPECT_EQ(without.bands(), with.bands());
}

TEST(StripGeometry, FewBandsKeepTheirWidthUntilTheLastOne) {
    const CaptionMetrics m = kStandardCaptionMetrics;
    const int f = m.frameWidth, bottom = f + m.captionHeight - 1;
    struct Case {
        int w;
        int bandWidth;
        std::vector<Rect> bands;
        int titleRight;  // 10 px short of where the band walk ends
    };
    const Case cases[] = {
        // A single band is not cut at lastRight (which would be f + 4 here),
        // and the walk ends one whole band further on.
        {8, 8, {{f, f, f + 8, bottom}}, f + 16 - 10},
        {12, 12, {{f, f, f + 12, bottom}}, f + 24 - 10},
        {15, 15, {{f, f, f + 15, bottom}}, f + 30 - 10},
        // Two bands of 10: the second one ends at f + w - 4.
        {20, 10, {{f, f, f + 10, bottom}, {f + 10, f, f + 16, bottom}}, f + 16 + 10 - 10},
        // Seven bands of 9 (63 / 7); the last one is 5 wide.
        {63, 9,
         {{f, f, f + 9, bottom}, {f + 9, f, f + 18, bottom}, {f + 18, f, f + 27, bottom},
          {f + 27, f, f + 36, bottom}, {f + 36, f, f + 45, bottom}, {f + 45, f, f + 54, bottom},
          {f + 54, f, f + 59, bottom}},
         f + 59 + 9 - 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w);
        const auto g = ComputeStripGeometry({windowWidthFor(c.w, m), m, true});
        EXPECT_EQ(g.bandWidth, c.bandWidth);
        EXPECT_EQ(g.bands(), c.bands);
        EXPECT_EQ(g.title.right, c.titleRight);
        EXPECT_EQ(g.copied.right, c.titleRight + 2);
    }
}

TEST(StripGeometry, AStripNarrowerThanOneBandHasNoBandsButTheOtherStepsRun) {
    const CaptionMetrics m = kStandardCaptionMetrics;
    const int f = m.frameWidth, sx = m.buttonWidth, hc = m.captionHeight;
    for (int w : {0, 5, 7, -44}) {
        SCOPED_TRACE(w);
        const auto g = ComputeStripGeometry({windowWidthFor(w, m), m, true});
        EXPECT_EQ(g.gradientWidth, w);
        EXPECT_TRUE(g.bands().empty());
        EXPECT_EQ(g.lastBand, Rect{});
        if (g.bandCount == 0) {
            // B = W / 0 is skipped: the walk's rectangle stays 0 wide at F.
            EXPECT_EQ(g.bandWidth, 0);
            EXPECT_EQ(g.afterBands, (Rect{f, f, f, f + hc - 1}));
            EXPECT_EQ(g.title, (Rect{f + sx + 4, f, f - 10, f + hc - 1}));
            EXPECT_EQ(g.copied, (Rect{f, f, f + 2 - 10, f + hc - 1}));
            EXPECT_EQ(g.excluded, (Rect{f, f, 2 - 8, hc + 3}));
        }
        EXPECT_EQ(g.icon, (Rect{f + 1, f + 1, f + sx - 1, f + m.buttonHeight - 1}));
        EXPECT_TRUE(g.title.isEmpty());
        EXPECT_TRUE(g.copied.isEmpty());
    }
}

TEST(StripGeometry, LastRightWrapsInSixteenBitsOnHugeWidths) {
    const CaptionMetrics m = kStandardCaptionMetrics;
    const int f = m.frameWidth;
    const auto g = ComputeStripGeometry({40000, m, true});
    const int w = 40000 - 2 * f - 3 * m.buttonWidth + 6;  // 39946
    EXPECT_EQ(g.gradientWidth, w);
    EXPECT_EQ(g.lastRight, f + w - 4 - 65536);
    EXPECT_EQ(g.bandCount, w / 8);
    EXPECT_EQ(g.lastBand.left, f + 8 * (w / 8 - 1));
    EXPECT_EQ(g.lastBand.right, g.lastRight);
    EXPECT_EQ(g.title.right, g.lastRight + 8 - 10);
}

TEST(StripGeometry, AWidthOutsideThe32BitRangeIsSkipped) {
    const CaptionMetrics m = kStandardCaptionMetrics;
    const int f = m.frameWidth, hc = m.captionHeight;
    const auto g = ComputeStripGeometry({INT_MIN + 10, m, false});
    EXPECT_EQ(g.gradientWidth, 0);
    EXPECT_EQ(g.lastRight, f - 4);
    EXPECT_TRUE(g.bands().empty());
    EXPECT_EQ(g.title, (Rect{f + 2, f, f - 10, f + hc - 1}));
}

TEST(CaptionMetrics, ScaleWithTheDevicePixelRatio) {
    const CaptionMetrics base = kStandardCaptionMetrics;
    struct Case {
        double ratio;
        CaptionMetrics expected;
    };
    const Case cases[] = {
        {1.0, base},
        {2.0, {38, 6, 36, 36}},
        {1.25, {24, 4, 23, 23}},  // 23.75, 3.75, 22.5, 22.5
        {0.0, base},
        {-1.5, base},
        {std::nan(""), base},
    };
    for (const Case& c : cases) {
        const auto s = scaleCaptionMetrics(base, c.ratio);
        EXPECT_EQ(s.captionHeight, c.expected.captionHeight) << c.ratio;
        EXPECT_EQ(s.frameWidth, c.expected.frameWidth) << c.ratio;
        EXPECT_EQ(s.buttonWidth, c.expected.buttonWidth) << c.ratio;
        EXPECT_EQ(s.buttonHeight, c.expected.buttonHeight) << c.ratio;
    }
}
