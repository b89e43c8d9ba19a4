// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoding of UTF-8 text into code points.

#include <optional>
#include <string>
#include <string_view>

namespace mss::codebook {

// The code points of `text`, or nothing when it is not well-formed UTF-8
// (overlong forms, surrogates and values above U+10FFFF are rejected).
std::optional<std::u32string> decodeUtf8(std::string_view text);

}  // namespace mss::codebook
