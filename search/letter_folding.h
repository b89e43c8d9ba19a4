// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a character means inside a word: the search compares words by their
// folded letters, so that «Якорь», «ЯКОРЬ» and «якорь» are one word and «ё»
// is «е».
//
// Word characters are the digits, the Latin letters and the Cyrillic letters
// of U+0400–U+045F and Ґ ґ (every Cyrillic letter of the Windows code page
// the code book is written in). Stress marks and the soft hyphen may stand
// inside a word and are dropped. Everything else (spaces, punctuation,
// dashes and hyphens, quotes, the ellipsis, control characters, other
// scripts) separates words.

namespace mss::search {

enum class CharRole { Separator, Letter, Dropped };

struct FoldedChar {
    CharRole role = CharRole::Separator;
    char32_t folded = 0;  // the lower-case letter (ё as е); only for Letter
};

namespace folding_detail {

constexpr char32_t kSmallIe = U'е';
constexpr char32_t kSmallIo = U'ё';

inline FoldedChar letter(char32_t folded) { return {CharRole::Letter, folded == kSmallIo ? kSmallIe : folded}; }

}  // namespace folding_detail

inline FoldedChar foldChar(char32_t c) {
    using folding_detail::letter;
    if (c >= U'0' && c <= U'9') return letter(c);
    if (c >= U'a' && c <= U'z') return letter(c);
    if (c >= U'A' && c <= U'Z') return letter(c - U'A' + U'a');
    if (c >= U'\u0400' && c <= U'\u040F') return letter(c + 0x50);  // Ѐ Ё Ђ … Џ
    if (c >= U'\u0410' && c <= U'\u042F') return letter(c + 0x20);  // А … Я
    if (c >= U'\u0430' && c <= U'\u045F') return letter(c);         // а … я, ѐ ё ђ … џ
    if (c == U'\u0490' || c == U'\u0491') return letter(U'\u0491');  // Ґ ґ
    // Combining grave and acute accents (stress marks), the soft hyphen.
    if (c == U'\u0300' || c == U'\u0301' || c == U'\u00AD') return {CharRole::Dropped, 0};
    return {};
}

}  // namespace mss::search
