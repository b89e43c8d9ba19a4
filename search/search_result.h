// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a search gives back: the matching signals, best first, each with the
// places in its text that matched, for highlighting.

#include <cstddef>
#include <string>
#include <vector>

#include "search_row.h"

namespace mss::search {

// How a row matched.
enum class MatchKind {
    ExactCode,   // the query is the row's code ("AE1", "ае1", "фу1", "I-3")
    WholeWords,  // the text holds every word of the query: in any of its forms, or what stands for it
    WordPrefix,  // as WholeWords, but the word still being typed only begins a word of the text
    SomeWords,   // the text holds some of the query's words, and scores at least half as well as the best
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
    // The query as it was searched when a word of it was put right («человек
    // за бортом» for «человек за бртом»); empty when every word was the book's.
    std::string corrected;
};

}  // namespace mss::search
