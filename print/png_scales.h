// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scales a sheet's PNG picture is drawn at: 1, 2 or 4 times its size on
// a screen, 2 when none is asked for. `--scale`, the search window's export
// dialog and the printing module all read them here.

#include <QString>

#include <algorithm>
#include <array>

namespace mss::print {

inline constexpr std::array kPngScales{1, 2, 4};
inline constexpr int kUsualPngScale = 2;

constexpr bool isPngScale(int scale) { return std::ranges::find(kPngScales, scale) != kPngScales.end(); }

static_assert(isPngScale(kUsualPngScale));

// «1, 2 или 4», as the help and the refusals name the scales.
inline QString pngScalesInWords() {
    QString words;
    for (std::size_t i = 0; i < kPngScales.size(); ++i) {
        if (i > 0) words += i + 1 == kPngScales.size() ? QStringLiteral(" или ") : QStringLiteral(", ");
        words += QString::number(kPngScales[i]);
    }
    return words;
}

}  // namespace mss::print
