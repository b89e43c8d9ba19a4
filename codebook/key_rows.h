// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys a code is typed on: the 36 flag keys in the rows of a typewriter
// (digits, then three rows of letters; reading order is row by row, left to
// right), and the letters of the Russian layout on the same letter keys. A
// learner who forgets to switch the layout types «ФУ1» for AE1.

#include <array>
#include <cstddef>
#include <string_view>

namespace mss::codebook {

inline constexpr std::array<std::string_view, 4> kTypewriterRows{"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};

// The key of Q gives Й.
inline constexpr std::array<std::u16string_view, 4> kRussianLayoutRows{u"", u"ЙЦУКЕНГШЩЗ", u"ФЫВАПРОЛД",
                                                                       u"ЯЧСМИТЬ"};

static_assert([] {
    for (std::size_t r = 1; r < kTypewriterRows.size(); ++r)
        if (kRussianLayoutRows[r].size() != kTypewriterRows[r].size()) return false;
    return true;
}());

// The key symbol ('A'..'Z') under a capital letter of the Russian layout, or
// 0 for a letter on no letter key (Х Ъ Ж Э Б Ю Ё) and any other character.
constexpr char symbolUnderRussianLetter(char32_t capital) {
    for (std::size_t r = 1; r < kTypewriterRows.size(); ++r)
        for (std::size_t k = 0; k < kRussianLayoutRows[r].size(); ++k)
            if (kRussianLayoutRows[r][k] == capital) return kTypewriterRows[r][k];
    return 0;
}

}  // namespace mss::codebook
