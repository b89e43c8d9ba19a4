// SPDX-License-Identifier: GPL-3.0-or-later
// Queries a learner types, against the whole shipped code book: what each
// must find (and how it matched) and what it must leave out.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "search/search_index.h"
#include "shipped_search_rows.h"

namespace {

using namespace mss::search;

const SearchIndex& shippedIndex() {
    static const SearchIndex index(test_support::shippedSearchRows());
    return index;
}

const SearchResult* resultWithCode(const SearchResults& found, const std::string& code) {
    const auto it = std::find_if(found.results.begin(), found.results.end(),
                                 [&](const SearchResult& r) { return r.code == code; });
    return it == found.results.end() ? nullptr : &*it;
}

std::string kindName(MatchKind kind) {
    switch (kind) {
        case MatchKind::ExactCode: return "exact code";
        case MatchKind::WholeWords: return "whole words";
        case MatchKind::WordPrefix: return "word prefix";
    }
    return "?";
}

struct Expected {
    std::string code;
    MatchKind kind;
};

struct QueryCase {
    std::string query;
    std::vector<Expected> finds;
    std::vector<std::string> leavesOut;
};

constexpr auto Code = MatchKind::ExactCode;
constexpr auto Whole = MatchKind::WholeWords;
constexpr auto Prefix = MatchKind::WordPrefix;

TEST(ShippedBookQueries, FindWhatTheLearnerMeans) {
    const std::vector<QueryCase> cases = {
        // Forms of one word find each other; a word of another stem does not.
        {"якорь ", {{"RA", Whole}, {"RA1", Whole}, {"QZ", Whole}, {"RC1", Whole}}, {"KP", "LB", "ZZ"}},
        {"якоря ", {{"RA", Whole}, {"RA1", Whole}, {"IN4", Whole}}, {"KP", "RW"}},
        {"якорем", {{"RA", Whole}, {"RA1", Whole}, {"Y", Whole}}, {"KP", "RW"}},
        {"лоцман", {{"G", Whole}, {"H", Whole}, {"UA", Whole}, {"UE", Whole}, {"KH1", Prefix}, {"UK1", Prefix}},
         {"A", "KH"}},
        {"лоцмана ", {{"G", Whole}, {"H", Whole}, {"NA2", Whole}, {"UB", Whole}, {"UE", Whole}}, {"UK1", "OL"}},
        {"буксир", {{"KF", Whole}, {"KG1", Whole}, {"KH", Whole}, {"KI1", Whole}, {"LB", Prefix}, {"Z", Prefix}},
         {"RA"}},
        {"ПОЖАР", {{"J", Whole}, {"IT", Whole}, {"IX2", Whole}}, {"A"}},
        // ё is е, in the query as in the book.
        {"ещё не", {{"BB4", Whole}, {"HL", Whole}, {"IB4", Prefix}}, {"BB"}},
        {"ЕЩЁ НЕ ", {{"BB4", Whole}, {"HL", Whole}}, {"IB4"}},
        // Every word must match, in any order.
        {"дрейфует на якоре", {{"Y", Whole}, {"UB", Whole}}, {"RA", "QS"}},
        {"якорь держит", {{"RI", Whole}, {"RI1", Whole}}, {"RA", "RB"}},
        {"медицинская помощь", {{"W", Whole}, {"MAA", Whole}, {"II-5", Whole}, {"HM", Whole}}, {"V", "CB"}},
        {"помощь медицинская", {{"W", Whole}, {"MAA", Whole}}, {"V"}},
        {"зыби нет", {{"XE0", Whole}, {"XH0", Whole}}, {"XE1"}},
        // The word still being typed matches a beginning.
        {"лоц", {{"G", Prefix}, {"H", Prefix}, {"KH1", Prefix}, {"UK1", Prefix}}, {"A"}},
        {"мой як", {{"RA", Prefix}, {"RB", Prefix}, {"QT", Prefix}}, {"RB1", "Y"}},
        {"медиц", {{"W", Prefix}, {"MAA", Prefix}, {"II-5", Prefix}}, {"V"}},
        // Punctuation, hyphens and case do not matter.
        {"«Северо-восток»", {{"III-1", Whole}}, {"III-3", "III-7"}},
        {"по-видимому, ползет", {{"RB1", Whole}}, {"RB"}},
        {"(-ет)", {{"AE1", Whole}, {"CP", Whole}}, {"AE"}},
        {"Все после...", {{"AA", Whole}}, {"AB"}},
        {"rpt", {{"AA", Whole}, {"AB", Whole}, {"BN", Whole}}, {}},
        {"мегафон", {{"I-3", Whole}}, {"I-4"}},
        {"500", {{"I-7", Whole}}, {"I-8"}},
        // Codes, typed in Latin or with Cyrillic look-alikes.
        {"AE1", {{"AE1", Code}}, {"AE", "AE2"}},
        {"ae1", {{"AE1", Code}}, {"AE"}},
        {"ае1", {{"AE1", Code}}, {"AE"}},
        {"маа", {{"MAA", Code}}, {"MAB"}},
        {"MAA ", {{"MAA", Code}}, {}},
        {"хв0", {{"XB0", Code}}, {"WY0"}},
        {"wy0", {{"WY0", Code}}, {"XB0"}},
        {"а", {{"A", Code}, {"AX", Whole}, {"LA", Whole}, {"AD", Prefix}}, {"AE", "B"}},
        {"z", {{"Z", Code}}, {"ZA"}},
        // Rows of the tables of complements.
        {"I-3", {{"I-3", Code}}, {"II-3", "III-3"}},
        {"i-3", {{"I-3", Code}}, {}},
        {"III-9", {{"III-9", Code}}, {"I-9", "II-9"}},
        {"ii-0", {{"II-0", Code}}, {}},
    };
    const SearchIndex& index = shippedIndex();
    for (const QueryCase& c : cases) {
        const SearchResults found = index.find(c.query, index.size());
        EXPECT_EQ(found.total, found.results.size()) << "query: «" << c.query << "»";
        for (const Expected& e : c.finds) {
            const SearchResult* result = resultWithCode(found, e.code);
            if (result == nullptr) {
                ADD_FAILURE() << "query «" << c.query << "» does not find " << e.code;
                continue;
            }
            EXPECT_EQ(kindName(result->kind), kindName(e.kind)) << "query «" << c.query << "», " << e.code;
        }
        for (const std::string& code : c.leavesOut)
            EXPECT_EQ(resultWithCode(found, code), nullptr) << "query «" << c.query << "» finds " << code;
    }
}

TEST(ShippedBookQueries, FindNothingForNonsense) {
    const std::vector<std::string> queries = {
        "", " ", "   \t\n", ".", "...", "…", "«»", "\"\"", "()", "—", "-", "?!,;:",
        "якорь не держит",  // the book says «якорь ползет»: every word must be there
        "ZZ9", "r ", "хз", "абвгд", "якорь абвгд", "IV-1", "III-10",
    };
    for (const std::string& query : queries) {
        const SearchResults found = shippedIndex().find(query);
        EXPECT_EQ(found.total, 0u) << "query: «" << query << "»";
        EXPECT_TRUE(found.results.empty()) << "query: «" << query << "»";
    }
}

TEST(ShippedBookQueries, LookUpACodeInAnyTypedForm) {
    const SearchIndex& index = shippedIndex();
    const auto ae1 = index.lookupCode("ае1");
    ASSERT_TRUE(ae1.has_value());
    EXPECT_EQ(ae1->code, "AE1");
    EXPECT_EQ(ae1->section, Section::General);
    EXPECT_FALSE(ae1->reconstructed);

    const auto maa = index.lookupCode("маа");
    ASSERT_TRUE(maa.has_value());
    EXPECT_EQ(maa->section, Section::Medical);
    EXPECT_EQ(maa->text, "Мне требуется срочная медицинская помощь. ");

    const auto table = index.lookupCode("iii-9");
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->section, Section::TableIII);
    EXPECT_EQ(table->text, "Все направления (или смешанное, или переменное).");

    // Two codes of one meaning are two signals with one text.
    const auto wy0 = index.lookupCode("WY0");
    const auto xb0 = index.lookupCode("XB0");
    ASSERT_TRUE(wy0.has_value() && xb0.has_value());
    EXPECT_EQ(wy0->code, "WY0");
    EXPECT_EQ(xb0->code, "XB0");
    EXPECT_EQ(wy0->text, xb0->text);

    // Written without a printed source: the swell table; the medical section
    // is written from a reference edition.
    EXPECT_TRUE(index.lookupCode("XE1")->reconstructed);
    EXPECT_FALSE(index.lookupCode("MAB")->reconstructed);

    EXPECT_FALSE(index.lookupCode("R").has_value());  // no single-letter meaning in the book
    EXPECT_FALSE(index.lookupCode("ZZ9").has_value());
    EXPECT_FALSE(index.lookupCode("якорь").has_value());
}

TEST(ShippedBookQueries, GiveTheSameAnswersOnSeveralThreadsAtOnce) {
    const std::vector<std::string> queries = {"якорем", "лоц", "медицинская помощь", "ае1", "а", "I-3", "буксир "};
    const SearchIndex& index = shippedIndex();
    std::vector<std::vector<std::string>> expected;
    for (const std::string& query : queries) {
        std::vector<std::string> codes;
        for (const SearchResult& r : index.find(query).results) codes.push_back(r.code + r.text);
        expected.push_back(std::move(codes));
    }
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < mismatches.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 50; ++round) {
                for (std::size_t q = 0; q < queries.size(); ++q) {
                    std::vector<std::string> codes;
                    for (const SearchResult& r : index.find(queries[q]).results) codes.push_back(r.code + r.text);
                    if (codes != expected[q]) ++mismatches[t];
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

TEST(ShippedBookQueries, HoldEveryCodeOfTheBook) {
    // 1,879 rows, 20 of them under two codes.
    EXPECT_EQ(shippedIndex().size(), 1899u);
}

}  // namespace
