// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_readings.h"

#include <algorithm>

#include "codebook/signal_code.h"
#include "engine/typewriter.h"
#include "utf8_decoder.h"

namespace mss::search {

namespace {

bool isLatin(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }
bool isCyrillic(char32_t c) { return c >= U'\u0400' && c <= U'\u045F'; }

char32_t capitalOf(char32_t cyrillic) {
    if (cyrillic >= U'\u0430' && cyrillic <= U'\u044F') return cyrillic - 0x20;
    if (cyrillic >= U'\u0450' && cyrillic <= U'\u045F') return cyrillic - 0x50;
    return cyrillic;
}

// The query with each Cyrillic letter put as the Latin letter of its key;
// empty when a letter sits on no letter key.
std::string byKeyPlace(std::string_view query) {
    std::string latin;
    for (std::size_t at = 0; at < query.size();) {
        const DecodedChar c = decodeUtf8At(query, at);
        if (!c.valid) return {};
        if (isCyrillic(c.codePoint)) {
            const char symbol = engine::symbolUnderRussianLetter(capitalOf(c.codePoint));
            if (symbol == 0) return {};
            latin.push_back(symbol);
        } else {
            latin.append(query.substr(at, c.length));
        }
        at += c.length;
    }
    return latin;
}

bool hasCyrillic(std::string_view query) {
    for (std::size_t at = 0; at < query.size();) {
        const DecodedChar c = decodeUtf8At(query, at);
        if (c.valid && isCyrillic(c.codePoint)) return true;
        at += c.length;
    }
    return false;
}

}  // namespace

bool looksTypedAsACode(std::string_view query) {
    for (std::size_t at = 0; at < query.size();) {
        const DecodedChar c = decodeUtf8At(query, at);
        if (c.valid && (isLatin(c.codePoint) || (c.codePoint >= U'0' && c.codePoint <= U'9'))) return true;
        at += c.length;
    }
    return false;
}

std::vector<std::string> codeReadings(std::string_view query) {
    std::vector<std::string> codes;
    const auto add = [&](std::string_view typed) {
        const auto code = codebook::SignalCode::read(typed);
        if (code && std::find(codes.begin(), codes.end(), code->text()) == codes.end()) codes.push_back(code->text());
    };
    // Without Cyrillic letters a query reads one way only; with them (and no
    // Latin letter), first by where the keys are, then by the letters' look.
    if (hasCyrillic(query)) {
        bool latin = false;
        for (std::size_t at = 0; at < query.size();) {
            const DecodedChar c = decodeUtf8At(query, at);
            latin = latin || (c.valid && isLatin(c.codePoint));
            at += c.length;
        }
        if (!latin)
            if (const std::string keys = byKeyPlace(query); !keys.empty()) add(keys);
    }
    add(query);
    return codes;
}

}  // namespace mss::search
