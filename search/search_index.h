// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds signals by their meaning or their code, best first.
//
//     SearchIndex index(rows);                 // rows: every signal of the book
//     SearchResults found = index.find("у меня пожар");
//     for (const SearchResult& r : found.results) show(r.code, r.text, r.highlights);
//     if (!found.corrected.empty()) say("Показаны результаты для: " + found.corrected);
//
// A query is a code or words. A code typed in Latin, on the Russian layout
// by the place of its keys, or in Cyrillic letters that look like Latin ones
// («AE1», «фу1», «ае1», «I-3») finds its row first: every reading that the
// book has, in that order. The code the international edition gives one of
// the book's signals under finds that signal («MLG» finds MLQ). Where the query is also a word of the book
// («мое») and has neither digits nor Latin letters, the rows with the word
// come first and the codes after them.
//
// Words are ranked by relevance (ranking.h): the rows that hold every word
// of the query, in any of its forms (the Russian stemmer and
// data/word_forms.tsv decide), or what the everyday words put for it
// («доктор» → «врач»), come first; the word still being typed may also just
// begin a word of the text («лоц» → «лоцман»); a word the book does not
// have is read as the book's words one or two edits from it («пажар» →
// «пожар», SearchResults::corrected says so). Case, ё/е, stress marks and
// punctuation do not matter.
//
// The index does not change once built; find() and lookupCode() may be
// called from several threads at once.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "everyday_synonyms.h"
#include "row_filter.h"
#include "search_result.h"
#include "search_row.h"
#include "typo_matcher.h"
#include "vocabulary.h"
#include "word_groups.h"
#include "word_table.h"

namespace mss::search {

class SearchIndex {
public:
    static constexpr std::size_t kDefaultLimit = 200;  // as many as the search window lists

    // Codes are expected to be unique; of two rows with one code, lookupCode
    // gives the first. The first form reads the word tables the program
    // carries. Throws std::runtime_error when the Russian stemmer is not
    // available.
    explicit SearchIndex(std::vector<SearchRow> rows);
    SearchIndex(std::vector<SearchRow> rows, const Vocabulary& vocabulary);

    // An empty query, or one of punctuation alone, finds nothing.
    SearchResults find(std::string_view query, std::size_t limit = kDefaultLimit) const;
    // The same among the rows `filter` admits: ranked against each other,
    // as if the book had no others.
    SearchResults find(std::string_view query, const RowFilter& filter, std::size_t limit = kDefaultLimit) const;

    // The row of a typed code: the first of its readings (code_readings.h)
    // that the rows have.
    std::optional<SearchRow> lookupCode(std::string_view typedCode) const;

    std::size_t size() const { return rows_.size(); }
    // Every row, section by section in the order of the code, codes in order
    // within a section: the whole book, as a reference lists it.
    std::span<const SearchRow> rows() const { return rows_; }

private:
    std::optional<std::size_t> rowOfCode(std::string_view typedCode) const;

    std::vector<SearchRow> rows_;  // section by section, codes in order
    std::unordered_map<std::string, std::size_t> rowsByCode_;
    WordGroups groups_;
    WordTable words_;
    EverydaySynonyms everyday_;
    TypoMatcher typos_;
};

}  // namespace mss::search
