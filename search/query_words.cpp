// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_words.h"

#include "codebook/look_alikes.h"
#include "utf8_decoder.h"
#include "word_reader.h"

namespace mss::search {

namespace {

bool isLatin(char32_t c) { return c >= U'a' && c <= U'z'; }
bool isCyrillic(char32_t c) { return c >= U'\u0430' && c <= U'\u045F'; }

// The folded word with its Latin look-alikes read as Cyrillic, if it has
// Cyrillic letters and every Latin letter in it has a Cyrillic twin.
std::string readAsCyrillic(std::string_view folded) {
    std::u32string letters;
    bool cyrillic = false, latin = false;
    for (std::size_t at = 0; at < folded.size();) {
        const DecodedChar c = decodeUtf8At(folded, at);
        at += c.length;
        letters.push_back(c.codePoint);
        cyrillic = cyrillic || isCyrillic(c.codePoint);
        latin = latin || isLatin(c.codePoint);
    }
    if (!cyrillic || !latin) return std::string(folded);
    std::string out;
    for (char32_t c : letters) {
        if (isLatin(c)) {
            c = codebook::cyrillicLookAlike(c);
            if (c == 0) return std::string(folded);
        }
        appendUtf8(out, c);
    }
    return out;
}

}  // namespace

QueryWords readQueryWords(std::string_view query) {
    QueryWords words;
    WordReader reader(query);
    while (reader.next()) {
        words.words.push_back({readAsCyrillic(reader.folded()), reader.begin(), reader.end()});
        words.lastIsTyping = reader.end() == query.size();
    }
    return words;
}

}  // namespace mss::search
