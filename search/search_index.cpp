// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_index.h"

#include <algorithm>

#include "code_normaliser.h"
#include "query_words.h"
#include "russian_stemmer.h"
#include "word_matcher.h"

namespace mss::search {

namespace {

// The stemmer keeps state between calls, so each thread that searches has its own.
RussianStemmer& stemmerOfThisThread() {
    thread_local RussianStemmer stemmer;
    return stemmer;
}

std::vector<SearchRow> inCodeOrder(std::vector<SearchRow> rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const SearchRow& a, const SearchRow& b) {
        if (a.section != b.section) return a.section < b.section;
        return a.code < b.code;
    });
    return rows;
}

}  // namespace

SearchIndex::SearchIndex(std::vector<SearchRow> rows)
    : rows_(inCodeOrder(std::move(rows))), words_(rows_, stemmerOfThisThread()) {
    rowsByCode_.reserve(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row) rowsByCode_.emplace(rows_[row].code, row);
}

std::optional<std::size_t> SearchIndex::rowOfCode(std::string_view typedCode) const {
    const auto code = normaliseCode(typedCode);
    if (!code) return std::nullopt;
    const auto found = rowsByCode_.find(*code);
    if (found == rowsByCode_.end()) return std::nullopt;
    return found->second;
}

std::optional<SearchRow> SearchIndex::lookupCode(std::string_view typedCode) const {
    const auto row = rowOfCode(typedCode);
    if (!row) return std::nullopt;
    return rows_[*row];
}

SearchResults SearchIndex::find(std::string_view query, std::size_t limit) const {
    const std::optional<std::size_t> codeRow = rowOfCode(query);
    WordMatch match = matchWords(words_, rows_.size(), readQueryWords(query), stemmerOfThisThread());
    if (codeRow) {
        match.whole.erase(*codeRow);
        match.byBeginning.erase(*codeRow);
    }

    SearchResults found;
    found.total = (codeRow ? 1 : 0) + match.whole.count() + match.byBeginning.count();
    found.results.reserve(std::min(limit, found.total));
    const auto add = [&](std::size_t row, MatchKind kind) {
        if (found.results.size() >= limit) return false;
        found.results.push_back(resultFor(row, kind, match));
        return true;
    };
    if (codeRow) add(*codeRow, MatchKind::ExactCode);
    match.whole.forEach([&](std::size_t row) { return add(row, MatchKind::WholeWords); });
    match.byBeginning.forEach([&](std::size_t row) { return add(row, MatchKind::WordPrefix); });
    return found;
}

SearchResult SearchIndex::resultFor(std::size_t row, MatchKind kind, const WordMatch& match) const {
    const SearchRow& r = rows_[row];
    return {r.code, r.section, r.text, r.reconstructed, kind, match.highlights(words_, row, r.text)};
}

}  // namespace mss::search
