// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds signals by their meaning or their code.
//
//     SearchIndex index(rows);                 // rows: every signal of the book
//     SearchResults found = index.find("якорем");
//     for (const SearchResult& r : found.results) show(r.code, r.text, r.highlights);
//
// A query is a code or words. A code ("AE1", "ае1", "маа", "I-3") finds its
// row first. Every word of the query must then be a word of the text in one
// of its forms (the Russian stemmer decides: «якорем» finds «якорь»), except
// that the last word, while it is still being typed, may just begin a word
// of the text («лоц» finds «лоцман»). Case, ё/е, stress marks and
// punctuation do not matter.
//
// Results come best first: the exact code, then rows where every word
// matched whole, then rows where the typed word matched a beginning; within
// each, sections in the order single-letter, general, medical, tables I–III,
// and codes in order within a section, whatever order the rows came in.
//
// The index does not change once built; find() and lookupCode() may be
// called from several threads at once.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "search_result.h"
#include "search_row.h"
#include "word_table.h"

namespace mss::search {

struct WordMatch;

class SearchIndex {
public:
    static constexpr std::size_t kDefaultLimit = 200;  // as many as the search window lists

    // Codes are expected to be unique; of two rows with one code, lookupCode
    // gives the first. Throws std::runtime_error when the Russian stemmer is
    // not available.
    explicit SearchIndex(std::vector<SearchRow> rows);

    // An empty query, or one of punctuation alone, finds nothing.
    SearchResults find(std::string_view query, std::size_t limit = kDefaultLimit) const;

    // The row of a typed code, in any form normaliseCode() accepts.
    std::optional<SearchRow> lookupCode(std::string_view typedCode) const;

    std::size_t size() const { return rows_.size(); }

private:
    std::optional<std::size_t> rowOfCode(std::string_view typedCode) const;
    SearchResult resultFor(std::size_t row, MatchKind kind, const WordMatch& match) const;

    std::vector<SearchRow> rows_;  // section by section, codes in order
    std::unordered_map<std::string, std::size_t> rowsByCode_;
    WordTable words_;
};

}  // namespace mss::search
