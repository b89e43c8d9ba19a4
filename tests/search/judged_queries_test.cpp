// SPDX-License-Identifier: GPL-3.0-or-later
// The judged queries against the shipped book. The whole book's
// (judged_queries.tsv): the right signal among the first three for at least
// 90 % of them, first for at least 80 %, and nothing found for at most 3 %.
// The medical section's everyday words (medical_tuning_queries.tsv and the
// held-out medical_held_out_queries.tsv) are held to the same bar among
// three. The figures beside these bounds are in bench/README.md;
// bench/search_judged.cpp prints them with the misses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "judged_set.h"
#include "search/search_index.h"
#include "shipped_search_rows.h"

namespace {

using namespace mss::search;

test_support::JudgedFigures judgedOnTheBook(const std::vector<test_support::JudgedQuery>& queries) {
    const SearchIndex index(test_support::shippedSearchRows());
    return test_support::judge(queries, [&](const std::string& query) {
        std::vector<std::string> codes;
        for (const SearchResult& r : index.find(query).results) codes.push_back(r.code);
        return codes;
    });
}

struct NamedSet {
    const char* file;
    const std::vector<test_support::JudgedQuery>& queries;
};

std::string missesOf(const test_support::JudgedFigures& figures) {
    std::string misses;
    for (const std::string& miss : figures.missed) misses += "\n  " + miss;
    return misses;
}

TEST(JudgedQueries, AreAnsweredWellEnough) {
    const auto& queries = test_support::judgedQueries();
    ASSERT_GE(queries.size(), 100u);
    const auto figures = judgedOnTheBook(queries);
    EXPECT_GE(figures.share(figures.topThree), 0.90) << figures.topThree << " of " << figures.queries << missesOf(figures);
    EXPECT_GE(figures.share(figures.first), 0.80) << figures.first << " of " << figures.queries;
    EXPECT_LE(figures.share(figures.nothing), 0.03) << figures.nothing << " of " << figures.queries;
}

// The held-out set is the one that shows whether the medical words carry
// over to queries they were not written for; the tuning set must not fall
// behind either.
TEST(JudgedQueries, MedicalEverydayWordsAreAnsweredAsWellAsTheRestOfTheBook) {
    for (const NamedSet& set : {NamedSet{"medical_held_out_queries.tsv", test_support::medicalHeldOutQueries()},
                                NamedSet{"medical_tuning_queries.tsv", test_support::medicalTuningQueries()}}) {
        ASSERT_GE(set.queries.size(), 50u) << set.file;
        const auto figures = judgedOnTheBook(set.queries);
        EXPECT_GE(figures.share(figures.topThree), 0.90)
            << set.file << ": " << figures.topThree << " of " << figures.queries << missesOf(figures);
    }
}

TEST(JudgedQueries, EveryCodeNamedIsASignalOfTheBook) {
    const SearchIndex index(test_support::shippedSearchRows());
    for (const NamedSet& set : {NamedSet{"judged_queries.tsv", test_support::judgedQueries()},
                                NamedSet{"medical_tuning_queries.tsv", test_support::medicalTuningQueries()},
                                NamedSet{"medical_held_out_queries.tsv", test_support::medicalHeldOutQueries()}})
        for (const auto& q : set.queries)
            for (const std::string& code : q.relevant)
                EXPECT_TRUE(index.lookupCode(code).has_value()) << set.file << ", line " << q.line << ": " << code;
}

}  // namespace
