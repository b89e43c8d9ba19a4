// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8.h"

namespace mss::codebook {

std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            out.push_back(b0);
            ++i;
            continue;
        }
        int length;
        char32_t cp;
        char32_t minimum;
        if ((b0 & 0xE0) == 0xC0) { length = 2; cp = b0 & 0x1F; minimum = 0x80; }
        else if ((b0 & 0xF0) == 0xE0) { length = 3; cp = b0 & 0x0F; minimum = 0x800; }
        else if ((b0 & 0xF8) == 0xF0) { length = 4; cp = b0 & 0x07; minimum = 0x10000; }
        else return std::nullopt;
        if (i + static_cast<std::size_t>(length) > text.size()) return std::nullopt;
        for (int k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((b & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        out.push_back(cp);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

}  // namespace mss::codebook
