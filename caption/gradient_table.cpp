// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption/gradient_table.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace mss::caption {

namespace {

std::array<double, 3> channelsOf(Colour c) {
    return {static_cast<double>(redOf(c)), static_cast<double>(greenOf(c)),
            static_cast<double>(blueOf(c))};
}

}  // namespace

bool FillGradientTable(std::span<Colour> table, Colour start, Colour end) {
    std::fill(table.begin(), table.end(), Colour{0});
    if (table.size() < 2) return false;  // U = 0 (or no table): nothing to divide by
    const double upper = static_cast<double>(table.size() - 1);

    const auto from = channelsOf(start);
    const auto to = channelsOf(end);
    std::array<double, 3> step{};
    for (int ch = 0; ch < 3; ++ch) {
        step[ch] = (to[ch] - from[ch]) / upper;
        if (!std::isfinite(step[ch])) return false;
    }

    std::array<double, 3> running = from;
    for (std::size_t i = 0; i < table.size(); ++i) {
        std::array<Colour, 3> level{};
        for (int ch = 0; ch < 3; ++ch) {
            running[ch] += step[ch];
            if (!std::isfinite(running[ch])) return false;
            running[ch] = std::clamp(running[ch], 0.0, 255.0);
            level[ch] = static_cast<Colour>(std::nearbyint(running[ch]));
        }
        table[i] = level[0] + 256 * level[1] + 65536 * level[2];
    }
    return true;
}

}  // namespace mss::caption
