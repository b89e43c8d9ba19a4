// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Strict UTF-8, the one decoder of the program's cores. A byte that does not
// begin a well-formed sequence (overlong forms, surrogates and code points
// past U+10FFFF included) is invalid and counts as one byte, so reading
// always moves forward.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mss::codebook {

struct DecodedChar {
    char32_t codePoint = 0;  // 0 when invalid
    std::size_t length = 1;  // bytes taken from the text, at least 1
    bool valid = false;
};

// Reads the character that starts at byte `at` (at < text.size()).
DecodedChar decodeUtf8At(std::string_view text, std::size_t at);

// The code points of `text`, or nothing when it is not well-formed UTF-8.
std::optional<std::u32string> decodeUtf8(std::string_view text);

void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace mss::codebook
