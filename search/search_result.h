// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a search gives back: the matching signals, best first, each with the
// places in its text that matched, for highlighting.

#include <cstddef>
#include <string>
#include <vector>

#include "search_row.h"

namespace mss::search {

// How a row matched, from the best to the weakest; results come in this order.
enum class MatchKind {
    ExactCode,   // the query is the row's code ("AE1", "ае1", "I-3")
    WholeWords,  // every word of the query is a word of the text, in any of its forms
    WordPrefix,  // as WholeWords, but the word still being typed only begins a word of the text
};

// Bytes [begin, end) of the row's text.
struct ByteRange {
    std::size_t begin = 0;
    std::size_t end = 0;
    friend bool operator==(const ByteRange&, const ByteRange&) = default;
};

struct SearchResult {
    std::string code;
    Section section = Section::General;
    std::string text;
    bool reconstructed = false;
    MatchKind kind = MatchKind::WholeWords;
    // The words of the text that matched a word of the query, in text order; a
    // word that matched the typed beginning only is covered up to its length.
    std::vector<ByteRange> highlights;
};

struct SearchResults {
    std::size_t total = 0;               // every matching row, however many were returned
    std::vector<SearchResult> results;   // the first of them, at most the limit asked for
};

}  // namespace mss::search
