// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_index.h"

#include <algorithm>

#include "code_readings.h"
#include "codebook/edition_notes.h"
#include "query_plan.h"
#include "ranking.h"
#include "russian_stemmer.h"

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

SearchIndex::SearchIndex(std::vector<SearchRow> rows) : SearchIndex(std::move(rows), shippedVocabulary()) {}

SearchIndex::SearchIndex(std::vector<SearchRow> rows, const Vocabulary& vocabulary)
    : rows_(inCodeOrder(std::move(rows))),
      groups_(vocabulary.forms, stemmerOfThisThread()),
      words_(rows_, groups_, stemmerOfThisThread()),
      everyday_(vocabulary.everyday, words_, groups_, stemmerOfThisThread()),
      typos_(words_) {
    rowsByCode_.reserve(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row) rowsByCode_.emplace(rows_[row].code, row);
    // A code another edition gives one of the book's signals under finds that signal.
    for (const codebook::EditionNote& note : codebook::kEditionNotes)
        if (const auto ours = codebook::codeInThisBook(note.otherCode))
            if (const auto row = rowsByCode_.find(std::string(*ours)); row != rowsByCode_.end())
                rowsByCode_.emplace(std::string(note.otherCode), row->second);
}

std::optional<std::size_t> SearchIndex::rowOfCode(std::string_view typedCode) const {
    for (const std::string& code : codeReadings(typedCode))
        if (const auto found = rowsByCode_.find(code); found != rowsByCode_.end()) return found->second;
    return std::nullopt;
}

std::optional<SearchRow> SearchIndex::lookupCode(std::string_view typedCode) const {
    const auto row = rowOfCode(typedCode);
    if (!row) return std::nullopt;
    return rows_[*row];
}

SearchResults SearchIndex::find(std::string_view query, std::size_t limit) const {
    return find(query, RowFilter(), limit);
}

SearchResults SearchIndex::find(std::string_view query, const RowFilter& filter, std::size_t limit) const {
    std::optional<RowSet> admitted;
    if (!filter.admitsEveryRow()) {
        admitted.emplace(rows_.size());
        for (std::size_t row = 0; row < rows_.size(); ++row)
            if (filter.admits(rows_[row])) admitted->insert(row);
    }
    std::vector<std::size_t> codeRows;
    for (const std::string& code : codeReadings(query))
        if (const auto found = rowsByCode_.find(code);
            found != rowsByCode_.end() && (!admitted || admitted->contains(found->second)))
            codeRows.push_back(found->second);

    const QueryPlan plan = planQuery(query, {words_, groups_, everyday_, typos_}, stemmerOfThisThread());
    const Ranking ranking(plan, words_);
    const std::vector<std::uint32_t> ranked = ranking.rowsWorthListing(codeRows, admitted ? &*admitted : nullptr);

    SearchResults found;
    found.corrected = plan.corrected;
    found.total = codeRows.size() + ranked.size();
    found.results.reserve(std::min(limit, found.total));
    const auto add = [&](std::size_t row, MatchKind kind, std::vector<ByteRange> highlights) {
        if (found.results.size() >= limit) return;
        const SearchRow& r = rows_[row];
        found.results.push_back({r.code, r.section, r.text, r.reconstructed, kind, std::move(highlights)});
    };
    const auto addCodes = [&] {
        for (std::size_t row : codeRows) add(row, MatchKind::ExactCode, {});
    };
    // A word of the book typed in Cyrillic («мое») is more likely meant as
    // the word; its codes follow the rows with it, and keep their place
    // within the limit.
    const bool wordsFirst = plan.oneWordOfTheBook && !looksTypedAsACode(query);
    if (!wordsFirst) addCodes();
    const std::size_t wordLimit = wordsFirst ? limit - std::min(limit, codeRows.size()) : limit;
    for (std::uint32_t row : ranked) {
        if (found.results.size() >= wordLimit) break;
        add(row, ranking.kindOf(row), ranking.highlights(row, rows_[row].text));
    }
    if (wordsFirst) addCodes();
    return found;
}

}  // namespace mss::search
