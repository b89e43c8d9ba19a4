// SPDX-License-Identifier: GPL-3.0-or-later
// Order of the results, the limit, and what each result carries, on a few
// rows made for the purpose and handed in out of order.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "search/search_index.h"

namespace {

using namespace mss::search;

const SearchIndex& anchorRows() {
    static const SearchIndex index({
        {"QS", Section::General, "Вы должны стать на якорь.", false},
        {"II-1", Section::TableII, "Якорный канат.", false},
        {"KP", Section::General, "Идите на якорную стоянку.", false},
        {"I-1", Section::TableI, "Якорь.", false},
        {"MAB", Section::Medical, "Якоря нет.", true},
        {"AB", Section::General, "Якорная цепь.", false},
        {"Z", Section::SingleLetter, "Мне нужен буксир", false},
        {"III-2", Section::TableIII, "Якорем.", false},
        {"A", Section::SingleLetter, "Отдан якорь, а цепь травится", false},
        {"AA", Section::General, "Стою на якоре, а ветер крепчает", false},
    });
    return index;
}

std::vector<std::string> codesOf(const SearchResults& found) {
    std::vector<std::string> codes;
    for (const SearchResult& r : found.results) codes.push_back(r.code);
    return codes;
}

std::vector<MatchKind> kindsOf(const SearchResults& found) {
    std::vector<MatchKind> kinds;
    for (const SearchResult& r : found.results) kinds.push_back(r.kind);
    return kinds;
}

std::vector<std::string> highlightedParts(const SearchResult& result) {
    std::vector<std::string> parts;
    for (const ByteRange& range : result.highlights) parts.push_back(result.text.substr(range.begin, range.end - range.begin));
    return parts;
}

constexpr auto Code = MatchKind::ExactCode;
constexpr auto Whole = MatchKind::WholeWords;
constexpr auto Prefix = MatchKind::WordPrefix;

TEST(Ranking, WholeWordsBeforeBeginningsEachInSectionAndCodeOrder) {
    const SearchResults found = anchorRows().find("якор");
    EXPECT_EQ(codesOf(found), (std::vector<std::string>{"A", "AA", "QS", "MAB", "I-1", "III-2",  // якорь, якоре …
                                                        "AB", "KP", "II-1"}));               // якорная …
    EXPECT_EQ(kindsOf(found), (std::vector<MatchKind>{Whole, Whole, Whole, Whole, Whole, Whole, Prefix, Prefix, Prefix}));
    EXPECT_EQ(found.total, 9u);
}

TEST(Ranking, ExactCodeComesFirst) {
    // «а» is the code A and a word of A's and AA's texts: A comes once, as the code.
    const SearchResults a = anchorRows().find("а");
    EXPECT_EQ(codesOf(a), (std::vector<std::string>{"A", "AA"}));
    EXPECT_EQ(kindsOf(a), (std::vector<MatchKind>{Code, Whole}));
    EXPECT_EQ(a.total, 2u);

    // Typed with Cyrillic look-alikes.
    const SearchResults ab = anchorRows().find("ав");
    EXPECT_EQ(codesOf(ab), std::vector<std::string>{"AB"});
    EXPECT_EQ(kindsOf(ab), std::vector<MatchKind>{Code});
}

TEST(Ranking, LimitKeepsTheBestAndCountsAll) {
    const SearchResults three = anchorRows().find("якор", 3);
    EXPECT_EQ(codesOf(three), (std::vector<std::string>{"A", "AA", "QS"}));
    EXPECT_EQ(three.total, 9u);

    const SearchResults none = anchorRows().find("якор", 0);
    EXPECT_TRUE(none.results.empty());
    EXPECT_EQ(none.total, 9u);
}

TEST(Ranking, ResultCarriesTheRow) {
    const SearchResults found = anchorRows().find("якоря нет ");
    ASSERT_EQ(found.results.size(), 1u);
    const SearchResult& r = found.results.front();
    EXPECT_EQ(r.code, "MAB");
    EXPECT_EQ(r.section, Section::Medical);
    EXPECT_EQ(r.text, "Якоря нет.");
    EXPECT_TRUE(r.reconstructed);
    EXPECT_EQ(r.kind, Whole);
}

TEST(Ranking, AnIndexOfNoRowsFindsNothing) {
    const SearchIndex empty({});
    EXPECT_EQ(empty.find("якорь").total, 0u);
    EXPECT_EQ(empty.find("a").total, 0u);
    EXPECT_FALSE(empty.lookupCode("A").has_value());
}

TEST(Highlights, CoverEveryMatchedWordAndOnlyTheTypedPartOfABeginning) {
    const SearchIndex index({
        {"RB2", Section::General, "Там, где вы стали на ЯКОРЬ (или намерены стать), ваш якорь, вероятно, будет ползти.", false},
        {"EW", Section::General, "Ещё не отдан «якорь»; северо-восток", false},
    });
    struct Case {
        const char* query;
        const char* code;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        // Every occurrence, whatever its case or form.
        {"якорем ", "RB2", {"ЯКОРЬ", "якорь"}},
        // Words that begin with what is typed, up to its typed length, in text order.
        {"якорь ста", "RB2", {"ста", "ЯКОРЬ", "ста", "якорь"}},
        // «стат» is a form of «стать» to the stemmer: the whole word.
        {"якорь стат", "RB2", {"ЯКОРЬ", "стать", "якорь"}},
        // ё in the text, quotes around a word, a hyphenated word.
        {"еще якорь", "EW", {"Ещё", "якорь"}},
        {"восток", "EW", {"восток"}},
        {"северо-вос", "EW", {"северо", "вос"}},
        {"отд", "EW", {"отд"}},
    };
    for (const Case& c : cases) {
        const SearchResults found = index.find(c.query);
        const auto result = std::find_if(found.results.begin(), found.results.end(),
                                         [&](const SearchResult& r) { return r.code == c.code; });
        ASSERT_NE(result, found.results.end()) << "query «" << c.query << "»";
        EXPECT_EQ(highlightedParts(*result), c.parts) << "query «" << c.query << "»";
    }
}

TEST(Highlights, AreByteRangesOfTheText) {
    const SearchIndex index({{"RA", Section::General, "Мой якорь нечист.", false}});
    const SearchResults found = index.find("якорь");
    ASSERT_EQ(found.results.size(), 1u);
    // «Мой » is 3 Cyrillic letters and a space: 7 bytes; «якорь» 10 bytes.
    EXPECT_EQ(found.results.front().highlights, (std::vector<ByteRange>{{7, 17}}));
}

}  // namespace
