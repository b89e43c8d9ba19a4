// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window layout is given in twips: 1440 per inch, 15 per pixel at 96 dpi.

#include <QRect>

namespace mss::forms {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline QRect pxRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

}  // namespace mss::forms
