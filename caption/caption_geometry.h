// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where each part of the painted caption bar goes, worked out from numbers
// alone (no window system involved).
//
// The caption row is a gradient made of bands 8 px wide, from the left frame
// edge up to just short of the caption buttons; the window icon sits on its
// left end and the title runs over it. Every rectangle here is in device
// pixels, with right and bottom exclusive.

#include <cstdint>
#include <functional>
#include <vector>

namespace mss::caption {

// Sizes of the window's caption and frame, in device pixels.
struct CaptionMetrics {
    int captionHeight;  // the caption row; its last pixel row is not painted
    int frameWidth;     // the frame on each side of the window
    int buttonWidth;    // one caption button; the icon cell is as wide
    int buttonHeight;   // one caption button; the icon cell is as high
};

// The metrics at 100 % scale (96 dpi). The main window's client area is 792 px
// wide, so with a 3-px frame the window is 798 px across. The icon cell then
// holds a 16 x 16 icon with a pixel to spare on each side, and the bands are
// 18 px high.
inline constexpr CaptionMetrics kStandardCaptionMetrics{19, 3, 18, 18};

// `base` with every size multiplied by `ratio` (the screen's device pixel
// ratio) and rounded to the nearest pixel; a ratio that is not a positive
// finite number leaves the sizes as they are.
CaptionMetrics scaleCaptionMetrics(const CaptionMetrics& base, double ratio);

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct StripInputs {
    int windowWidth = 0;  // outer width of the window, frame included
    CaptionMetrics metrics = kStandardCaptionMetrics;
    bool hasIcon = false;
};

// Everything the painter needs. The values come from a fixed run of steps;
// a step whose arithmetic cannot be done (a division by zero, a result outside
// the 32-bit range) is skipped and leaves its result as it was (0 at the
// start), and the steps after it still run.
struct StripGeometry {
    int gradientWidth = 0;     // W = windowWidth - 2F - 3 * buttonWidth + 6
    int bandCount = 0;         // n = W / 8, truncated toward zero
    int bandWidth = 0;         // B = W / n; stays 0 when n is 0
    std::int16_t lastRight = 0;  // F + W - 4, kept in 16 bits (it wraps)

    // The band walk starts from firstBand (F, F) - (F + B, F + captionHeight - 1)
    // and moves right by B per band. After band n - 2 the walk's right edge is
    // set to lastRight, so bands 0..n-2 are B wide and band n-1 runs from its
    // own left edge to lastRight (with n = 1 the single band is not cut).
    Rect firstBand;
    Rect lastBand;    // band n - 1; all zero when there are no bands
    Rect afterBands;  // where the walk stands after the last band

    // With n = 0 (a gradient area narrower than 8 px) there are no bands; the
    // icon, title, copy and exclusion below still follow from the walk's
    // rectangle as it then stands.
    bool hasIcon = false;
    Rect icon;      // (F + 1, F + 1) sized (buttonWidth - 2) x (buttonHeight - 2)
    Rect title;     // left of it 2 px past the icon cell (or F + 2), right 10 px short
    Rect copied;    // the part of the off-screen strip copied into the window
    Rect excluded;  // the part the frame painting has to leave alone

    // Calls visit(i, band) for i = 0..n-1 in order, replaying the band walk
    // (so a huge band count costs time, not memory).
    void forEachBand(const std::function<void(int, const Rect&)>& visit) const;
    // All bands in a list; meant for strips of ordinary width.
    std::vector<Rect> bands() const;
};

StripGeometry ComputeStripGeometry(const StripInputs& in);

}  // namespace mss::caption
