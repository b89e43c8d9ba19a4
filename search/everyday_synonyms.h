// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The everyday words of the vocabulary, ready for one index: each saying as
// the words (WordGroups keys) a query must have in a row, and what stands
// for it as words of the index's table. What stands for a saying but is
// missing from the table (a word the index's rows never use) is left out.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "vocabulary.h"

namespace mss::search {

class RussianStemmer;
class WordGroups;
class WordTable;

class EverydaySynonyms {
public:
    using WordIds = std::vector<std::uint32_t>;  // words that must all stand in one row

    struct Match {
        std::size_t length = 0;           // query words taken
        const std::vector<WordIds>* inBook = nullptr;
    };

    EverydaySynonyms() = default;
    EverydaySynonyms(const std::vector<EverydayWord>& everyday, const WordTable& table, const WordGroups& groups,
                     RussianStemmer& stemmer);

    // The longest saying that begins with query word `at` (query words given
    // by their keys), of at most `longest` words; nothing when none does.
    std::optional<Match> longestAt(std::span<const std::string> keys, std::size_t at, std::size_t longest) const;

private:
    struct Saying {
        std::vector<std::string> keys;
        std::vector<WordIds> inBook;
    };
    std::unordered_map<std::string, std::vector<Saying>> byFirstKey_;
};

}  // namespace mss::search
