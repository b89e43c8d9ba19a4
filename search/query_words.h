// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of a search query, folded, with where each stands in the query;
// and whether the last one is still being typed (nothing, not even a space,
// follows it), in which case it may match the beginning of a word.
//
// A Latin letter that looks like a Cyrillic one, inside a word that has
// Cyrillic letters, is read as the Cyrillic letter: «якоpь» typed with a
// Latin p is «якорь».

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mss::search {

struct QueryWord {
    std::string folded;
    std::size_t begin = 0;  // bytes [begin, end) of the query
    std::size_t end = 0;
};

struct QueryWords {
    std::vector<QueryWord> words;  // in query order
    bool lastIsTyping = false;

    bool empty() const { return words.empty(); }
};

QueryWords readQueryWords(std::string_view query);

}  // namespace mss::search
