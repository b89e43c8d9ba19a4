// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_readings.h"

#include "codebook/signal_code.h"
#include "utf8_decoder.h"

namespace mss::search {

namespace {

bool isLatin(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }

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
    for (const codebook::SignalCode& code : codebook::SignalCode::readings(query)) codes.push_back(code.text());
    return codes;
}

}  // namespace mss::search
