// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Cyrillic letters that look like Latin ones, each beside its Latin twin.
// A code typed with them («маа») is read as its Latin code (MAA), and a
// Russian word typed with a Latin twin inside («якоpь») as the Russian word.

#include <array>

namespace mss::codebook {

struct LookAlike {
    char32_t cyrillic;  // lower case
    char latin;         // upper case
};

inline constexpr std::array<LookAlike, 13> kLookAlikes{{
    {U'а', 'A'}, {U'в', 'B'}, {U'е', 'E'}, {U'і', 'I'}, {U'к', 'K'}, {U'м', 'M'}, {U'н', 'H'},
    {U'о', 'O'}, {U'р', 'P'}, {U'с', 'C'}, {U'т', 'T'}, {U'у', 'Y'}, {U'х', 'X'},
}};

// The Latin capital that a Cyrillic letter of either case looks like, or 0.
constexpr char latinLookAlike(char32_t cyrillic) {
    if (cyrillic >= U'А' && cyrillic <= U'Я') cyrillic += U'а' - U'А';
    if (cyrillic == U'І') cyrillic = U'і';
    for (const LookAlike& pair : kLookAlikes)
        if (pair.cyrillic == cyrillic) return pair.latin;
    return 0;
}

// The lower-case Cyrillic letter that a Latin letter of either case looks like, or 0.
constexpr char32_t cyrillicLookAlike(char32_t latin) {
    if (latin >= U'a' && latin <= U'z') latin -= U'a' - U'A';
    for (const LookAlike& pair : kLookAlikes)
        if (static_cast<char32_t>(pair.latin) == latin) return pair.cyrillic;
    return 0;
}

}  // namespace mss::codebook
