// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every keyboard lays its 36 flag keys out in the rows of a typewriter:
// digits, then three rows of letters. Reading order is row by row, left to
// right.

#include <array>
#include <cstddef>
#include <string_view>

#include "codebook/flag_catalogue.h"

namespace mss::engine {

inline constexpr std::array<std::string_view, 4> kTypewriterRows{"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};

// The letters of the Russian layout on the same keys of the letter rows: the
// key of Q gives Й. A learner who forgets to switch the layout types «ФУ1»
// for AE1.
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

constexpr std::size_t typewriterKeyCount() {
    std::size_t n = 0;
    for (auto row : kTypewriterRows) n += row.size();
    return n;
}

// Every flag of the catalogue has one key.
static_assert(typewriterKeyCount() == codebook::kFlagCount);

}  // namespace mss::engine
