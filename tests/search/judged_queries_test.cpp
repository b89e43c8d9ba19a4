// SPDX-License-Identifier: GPL-3.0-or-later
// The judged queries (judged_queries.tsv) against the shipped book: the right
// signal among the first three for at least 90 % of them, first for at least
// 80 %, and nothing found for at most 3 %. The figures beside these bounds
// are in README.md; bench/search_judged.cpp prints them with the misses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "judged_set.h"
#include "search/search_index.h"
#include "shipped_search_rows.h"

namespace {

using namespace mss::search;

TEST(JudgedQueries, AreAnsweredWellEnough) {
    const SearchIndex index(test_support::shippedSearchRows());
    const auto& queries = test_support::judgedQueries();
    ASSERT_GE(queries.size(), 100u);
    const auto figures = test_support::judge(queries, [&](const std::string& query) {
        std::vector<std::string> codes;
        for (const SearchResult& r : index.find(query).results) codes.push_back(r.code);
        return codes;
    });
    std::string misses;
    for (const std::string& miss : figures.missed) misses += "\n  " + miss;
    EXPECT_GE(figures.share(figures.topThree), 0.90) << figures.topThree << " of " << figures.queries << misses;
    EXPECT_GE(figures.share(figures.first), 0.80) << figures.first << " of " << figures.queries;
    EXPECT_LE(figures.share(figures.nothing), 0.03) << figures.nothing << " of " << figures.queries;
}

TEST(JudgedQueries, EveryCodeNamedIsASignalOfTheBook) {
    const SearchIndex index(test_support::shippedSearchRows());
    for (const auto& q : test_support::judgedQueries())
        for (const std::string& code : q.relevant)
            EXPECT_TRUE(index.lookupCode(code).has_value()) << "judged_queries.tsv, line " << q.line << ": " << code;
}

}  // namespace
