// SPDX-License-Identifier: GPL-3.0-or-later
// The index against a plain reference that reads every row anew for each
// query: on thousands of sampled queries both must give the same rows, in
// the same order, with the same kind of match.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "query_sampler.h"
#include "search/code_normaliser.h"
#include "search/query_words.h"
#include "search/russian_stemmer.h"
#include "search/search_index.h"
#include "search/word_reader.h"
#include "shipped_search_rows.h"

namespace {

using namespace mss::search;

struct Found {
    std::string code;
    MatchKind kind;
    friend bool operator==(const Found&, const Found&) = default;
};

std::string describe(const std::vector<Found>& found) {
    std::ostringstream out;
    for (const Found& f : found) out << f.code << '/' << static_cast<int>(f.kind) << ' ';
    return out.str();
}

// Keeps each row's words and stems as plain sets and checks the rows one by
// one for each query: no word lists, no row sets, no ranges of forms.
class Reference {
public:
    explicit Reference(std::vector<SearchRow> rows) : rows_(std::move(rows)) {
        std::stable_sort(rows_.begin(), rows_.end(), [](const SearchRow& a, const SearchRow& b) {
            return a.section != b.section ? a.section < b.section : a.code < b.code;
        });
        for (const SearchRow& row : rows_) {
            RowWords words;
            WordReader reader(row.text);
            while (reader.next()) {
                words.forms.emplace_back(reader.folded());
                words.stems.insert(stemmer_.stem(reader.folded()));
            }
            words_.push_back(std::move(words));
        }
    }

    std::vector<Found> find(const std::string& query) {
        const auto code = normaliseCode(query);
        const QueryWords words = readQueryWords(query);
        std::vector<std::string> finishedStems;
        for (const std::string& w : words.finished) finishedStems.push_back(stemmer_.stem(w));
        const std::string typingStem = stemmer_.stem(words.typing);

        std::vector<Found> exact, whole, prefix;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const SearchRow& row = rows_[i];
            const RowWords& rowWords = words_[i];
            if (code && row.code == *code) {
                exact.push_back({row.code, MatchKind::ExactCode});
                continue;
            }
            if (words.empty()) continue;
            const bool finishedMatch = std::all_of(finishedStems.begin(), finishedStems.end(),
                                                   [&](const std::string& s) { return rowWords.stems.count(s) > 0; });
            if (!finishedMatch) continue;
            if (words.typing.empty() || rowWords.stems.count(typingStem) > 0) {
                whole.push_back({row.code, MatchKind::WholeWords});
            } else if (std::any_of(rowWords.forms.begin(), rowWords.forms.end(),
                                   [&](const std::string& f) { return f.starts_with(words.typing); })) {
                prefix.push_back({row.code, MatchKind::WordPrefix});
            }
        }
        std::vector<Found> all = exact;
        all.insert(all.end(), whole.begin(), whole.end());
        all.insert(all.end(), prefix.begin(), prefix.end());
        return all;
    }

private:
    struct RowWords {
        std::vector<std::string> forms;
        std::set<std::string> stems;
    };
    RussianStemmer stemmer_;
    std::vector<SearchRow> rows_;
    std::vector<RowWords> words_;
};

std::vector<Found> indexFind(const SearchIndex& index, const std::string& query) {
    std::vector<Found> found;
    for (const SearchResult& r : index.find(query, index.size()).results) found.push_back({r.code, r.kind});
    return found;
}

TEST(IndexAgainstReference, GivesTheSameRowsInTheSameOrder) {
    constexpr std::uint64_t kSeed = 1965;
    constexpr std::size_t kQueries = 1500;
    const std::vector<SearchRow> rows = test_support::shippedSearchRows();
    const SearchIndex index(rows);
    Reference reference(rows);
    std::size_t queriesThatFound = 0;
    for (const std::string& query : test_support::sampleQueries(rows, kQueries, kSeed)) {
        const std::vector<Found> expected = reference.find(query);
        const std::vector<Found> actual = indexFind(index, query);
        ASSERT_EQ(describe(actual), describe(expected)) << "query «" << query << "», seed " << kSeed;
        if (!expected.empty()) ++queriesThatFound;
    }
    // The sample is worth something only if many of its queries find rows.
    EXPECT_GT(queriesThatFound, kQueries / 2) << "seed " << kSeed;
}

TEST(IndexAgainstReference, AgreesOnRowsGivenInAnyOrder) {
    constexpr std::uint64_t kSeed = 7;
    std::vector<SearchRow> rows = test_support::shippedSearchRows();
    std::reverse(rows.begin(), rows.end());
    const SearchIndex index(rows);
    Reference reference(rows);
    for (const std::string& query : test_support::sampleQueries(rows, 200, kSeed))
        ASSERT_EQ(describe(indexFind(index, query)), describe(reference.find(query)))
            << "query «" << query << "», seed " << kSeed;
}

}  // namespace
