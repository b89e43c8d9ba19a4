// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption/caption_geometry.h"

#include <cmath>
#include <limits>

namespace mss::caption {

namespace {

using Wide = std::int64_t;

bool fitsInt(Wide v) {
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

// Stores v in out when it fits 32 bits; otherwise the step is skipped.
bool store(int& out, Wide v) {
    if (!fitsInt(v)) return false;
    out = static_cast<int>(v);
    return true;
}

bool storeRect(Rect& out, Wide left, Wide top, Wide right, Wide bottom) {
    if (!fitsInt(left) || !fitsInt(top) || !fitsInt(right) || !fitsInt(bottom)) return false;
    out = Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
               static_cast<int>(bottom)};
    return true;
}

// The band walk shared by the geometry and forEachBand. Returns the rectangle
// the walk stands on after its last band.
Rect walkBands(Rect r, int n, int b, std::int16_t lastRight,
               const std::function<void(int, const Rect&)>& visit) {
    for (int i = 0; i < n; ++i) {
        if (visit) visit(i, r);
        storeRect(r, Wide{r.left} + b, r.top, Wide{r.right} + b, r.bottom);
        if (i == n - 2) r.right = lastRight;
    }
    return r;
}

int scaled(int size, double ratio) {
    const double v = std::round(size * ratio);
    return fitsInt(static_cast<Wide>(v)) ? static_cast<int>(v) : size;
}

}  // namespace

CaptionMetrics scaleCaptionMetrics(const CaptionMetrics& base, double ratio) {
    if (!std::isfinite(ratio) || ratio <= 0) return base;
    return CaptionMetrics{scaled(base.captionHeight, ratio), scaled(base.frameWidth, ratio),
                          scaled(base.buttonWidth, ratio), scaled(base.buttonHeight, ratio)};
}

void StripGeometry::forEachBand(const std::function<void(int, const Rect&)>& visit) const {
    walkBands(firstBand, bandCount, bandWidth, lastRight, visit);
}

std::vector<Rect> StripGeometry::bands() const {
    std::vector<Rect> out;
    if (bandCount > 0) out.reserve(static_cast<std::size_t>(bandCount));
    forEachBand([&out](int, const Rect& r) { out.push_back(r); });
    return out;
}

StripGeometry ComputeStripGeometry(const StripInputs& in) {
    const Wide f = in.metrics.frameWidth;
    const Wide hc = in.metrics.captionHeight;
    const Wide sx = in.metrics.buttonWidth;
    const Wide sy = in.metrics.buttonHeight;

    StripGeometry g;
    store(g.gradientWidth, Wide{in.windowWidth} - 2 * f - 3 * sx + 6);
    const Wide w = g.gradientWidth;
    // Kept in 16 bits on purpose: a very wide window wraps this edge.
    g.lastRight = static_cast<std::int16_t>(f + w - 4);
    g.bandCount = static_cast<int>(w / 8);
    if (g.bandCount != 0) g.bandWidth = static_cast<int>(w / g.bandCount);

    Rect r;
    storeRect(r, f, f, f + g.bandWidth, f + hc - 1);
    g.firstBand = r;
    r = walkBands(r, g.bandCount, g.bandWidth, g.lastRight,
                  [&g](int i, const Rect& band) {
                      if (i == g.bandCount - 1) g.lastBand = band;
                  });
    g.afterBands = r;

    g.hasIcon = in.hasIcon;
    if (in.hasIcon) {
        store(r.left, f + sx + 2);
        storeRect(g.icon, f + 1, f + 1, f + sx - 1, f + sy - 1);
    } else {
        r.left = static_cast<int>(f);
    }

    storeRect(g.title, Wide{r.left} + 2, r.top, Wide{r.right} - 10, r.bottom);

    r.left = static_cast<int>(f);
    store(r.right, Wide{g.title.right} + 12);

    // The copy is given as a corner and a size; the exclusion takes the
    // differences of the rectangle straight as its far edges.
    const Wide copyWidth = Wide{r.right} - r.left - 10;
    const Wide copyHeight = Wide{r.bottom} - r.top;
    storeRect(g.copied, r.left, r.top, r.left + copyWidth, r.top + copyHeight);
    storeRect(g.excluded, f, f, Wide{r.right} - r.left - 8, Wide{r.bottom} - r.top + 4);
    return g;
}

}  // namespace mss::caption
