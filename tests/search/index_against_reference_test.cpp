// SPDX-License-Identifier: GPL-3.0-or-later
// The index against a plain reference that reads every row anew for each
// query: on thousands of sampled queries, every row that holds every word of
// the query (each in one of its forms, the last one being typed also by a
// beginning) must be listed, and before any row that holds only some. And
// the rows handed in another order give the same answers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "query_sampler.h"
#include "search/query_words.h"
#include "search/russian_stemmer.h"
#include "search/search_index.h"
#include "search/vocabulary.h"
#include "search/word_groups.h"
#include "search/word_reader.h"
#include "shipped_search_rows.h"

namespace {

using namespace mss::search;

// Keeps each row's forms and words as plain sets and checks the rows one by one.
class Reference {
public:
    explicit Reference(const std::vector<SearchRow>& rows) : groups_(shippedVocabulary().forms, stemmer_) {
        for (const SearchRow& row : rows) {
            RowWords words{row.code, {}, {}};
            WordReader reader(row.text);
            while (reader.next()) {
                words.forms.emplace_back(reader.folded());
                words.keys.insert(groups_.keyOf(reader.folded(), stemmer_));
            }
            rows_.push_back(std::move(words));
        }
    }

    // The codes of the rows that hold every word of the query; nothing when
    // some finished word is in no row at all (the index then reads it as a
    // mistyped word or leaves it out).
    std::set<std::string> holdingEveryWord(const std::string& query) {
        const QueryWords read = readQueryWords(query);
        std::set<std::string> codes;
        if (read.empty()) return codes;
        std::vector<std::string> keys;
        for (const QueryWord& w : read.words) keys.push_back(groups_.keyOf(w.folded, stemmer_));
        for (const RowWords& row : rows_) {
            bool all = true;
            for (std::size_t i = 0; i < keys.size() && all; ++i) {
                const bool typing = read.lastIsTyping && i + 1 == keys.size();
                all = row.keys.count(keys[i]) > 0 ||
                      (typing && std::any_of(row.forms.begin(), row.forms.end(), [&](const std::string& f) {
                           return f.starts_with(read.words[i].folded);
                       }));
            }
            if (all) codes.insert(row.code);
        }
        return codes;
    }

private:
    struct RowWords {
        std::string code;
        std::vector<std::string> forms;
        std::set<std::string> keys;
    };
    RussianStemmer stemmer_;
    WordGroups groups_;
    std::vector<RowWords> rows_;
};

TEST(IndexAgainstReference, RowsWithEveryWordAreListedBeforeTheOthers) {
    constexpr std::uint64_t kSeed = 1965;
    constexpr std::size_t kQueries = 1500;
    const std::vector<SearchRow> rows = test_support::shippedSearchRows();
    const SearchIndex index(rows);
    Reference reference(rows);
    std::size_t queriesWithRows = 0;
    for (const std::string& query : test_support::sampleQueries(rows, kQueries, kSeed)) {
        const std::set<std::string> expected = reference.holdingEveryWord(query);
        const SearchResults found = index.find(query, index.size());
        std::set<std::string> listedFirst;  // the rows before the first that holds only some words
        for (const SearchResult& r : found.results) {
            if (r.kind == MatchKind::SomeWords) break;
            listedFirst.insert(r.code);
        }
        for (const std::string& code : expected)
            ASSERT_TRUE(listedFirst.count(code) > 0)
                << "query «" << query << "», seed " << kSeed << ": " << code << " holds every word";
        if (!expected.empty()) ++queriesWithRows;
    }
    // The sample is worth something only if many of its queries find rows.
    EXPECT_GT(queriesWithRows, kQueries / 2) << "seed " << kSeed;
}

TEST(IndexAgainstReference, RowsGivenInAnyOrderGiveTheSameAnswers) {
    constexpr std::uint64_t kSeed = 7;
    std::vector<SearchRow> rows = test_support::shippedSearchRows();
    const SearchIndex inOrder(rows);
    std::reverse(rows.begin(), rows.end());
    const SearchIndex reversed(rows);
    const auto describe = [](const SearchResults& found) {
        std::ostringstream out;
        out << found.total << ':';
        for (const SearchResult& r : found.results) out << ' ' << r.code << '/' << static_cast<int>(r.kind);
        return out.str();
    };
    for (const std::string& query : test_support::sampleQueries(rows, 300, kSeed))
        ASSERT_EQ(describe(reversed.find(query)), describe(inOrder.find(query))) << "query «" << query << "», seed " << kSeed;
}

}  // namespace
