// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which word a folded form belongs to: its stem, as the Russian stemmer has
// it, except where the word-forms table says otherwise. Forms of a join line
// are one word whatever their stems; forms of an apart line make a word of
// their own, away from the other forms of their stem.
//
//     WordGroups groups(vocabulary.forms, stemmer);
//     groups.keyOf("тонет", stemmer) == groups.keyOf("тону", stemmer)
//     groups.keyOf("ранее", stemmer) != groups.keyOf("рана", stemmer)

#include <string>
#include <string_view>
#include <unordered_map>

#include "vocabulary.h"

namespace mss::search {

class RussianStemmer;

class WordGroups {
public:
    WordGroups() = default;
    WordGroups(const WordForms& forms, RussianStemmer& stemmer);

    // The key of the word `folded` belongs to; equal keys, one word.
    std::string keyOf(std::string_view folded, RussianStemmer& stemmer) const;

private:
    struct StringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using StringMap = std::unordered_map<std::string, std::string, StringHash, std::equal_to<>>;

    StringMap apart_;   // form → the key of its apart line
    StringMap joined_;  // stem → the key of its join line
};

}  // namespace mss::search
