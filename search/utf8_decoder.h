// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Strict UTF-8 reading and writing for the search. A byte that does not
// begin a well-formed sequence (overlong forms, surrogates and code points
// past U+10FFFF included) is reported as invalid and counts as one byte, so
// reading always moves forward.

#include <cstddef>
#include <string>
#include <string_view>

namespace mss::search {

struct DecodedChar {
    char32_t codePoint = 0;  // 0 when invalid
    std::size_t length = 1;  // bytes taken from the text, at least 1
    bool valid = false;
};

namespace utf8_detail {

inline bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace utf8_detail

// Reads the character that starts at byte `at` (at < text.size()).
inline DecodedChar decodeUtf8At(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};

    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() - at < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!utf8_detail::isContinuation(byte)) return {};
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return {};
    return {codePoint, length, true};
}

inline void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

}  // namespace mss::search
