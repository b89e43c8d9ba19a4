// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Cyrillic letters that look like Latin ones, each beside its Latin twin.
// A code typed with them («маа») is read as its Latin code (MAA), and a
// Russian word typed with a Latin twin inside («якоpь») as the Russian word.

#include <array>

namespace mss::codebook {

struct LookAlike {
    char32_t cyrillic;    // lower case
    char latin;           // upper case
    bool smallAlike;      // the small letters look alike too (а, a), not the capitals alone (в, b)
};

inline constexpr std::array<LookAlike, 13> kLookAlikes{{
    {U'а', 'A', true},  {U'в', 'B', false}, {U'е', 'E', true},  {U'і', 'I', true},  {U'к', 'K', false},
    {U'м', 'M', false}, {U'н', 'H', false}, {U'о', 'O', true},  {U'р', 'P', true},  {U'с', 'C', true},
    {U'т', 'T', false}, {U'у', 'Y', true},  {U'х', 'X', true},
}};

// The Latin capital that a Cyrillic letter of either case looks like, or 0.
constexpr char latinLookAlike(char32_t cyrillic) {
    if (cyrillic >= U'А' && cyrillic <= U'Я') cyrillic += U'а' - U'А';
    if (cyrillic == U'І') cyrillic = U'і';
    for (const LookAlike& pair : kLookAlikes)
        if (pair.cyrillic == cyrillic) return pair.latin;
    return 0;
}

// Whether a Cyrillic letter looks like its Latin twin in the case it is
// written in: «В» looks like B, «в» like no b; «а» and «А» look like a and A.
constexpr bool looksLatinAsWritten(char32_t cyrillic) {
    const bool capital = (cyrillic >= U'А' && cyrillic <= U'Я') || cyrillic == U'І';
    if (capital) return latinLookAlike(cyrillic) != 0;
    for (const LookAlike& pair : kLookAlikes)
        if (pair.cyrillic == cyrillic) return pair.smallAlike;
    return false;
}

// The lower-case Cyrillic letter that a Latin letter of either case looks like, or 0.
constexpr char32_t cyrillicLookAlike(char32_t latin) {
    if (latin >= U'a' && latin <= U'z') latin -= U'a' - U'A';
    for (const LookAlike& pair : kLookAlikes)
        if (static_cast<char32_t>(pair.latin) == latin) return pair.cyrillic;
    return 0;
}

}  // namespace mss::codebook
