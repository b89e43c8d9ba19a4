// SPDX-License-Identifier: GPL-3.0-or-later
// The order of the results, which rows are worth listing, the limit, and
// what each result carries, on a few rows made for the purpose and handed in
// out of order, with a small vocabulary of their own.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "search/search_index.h"

namespace {

using namespace mss::search;

std::vector<std::string> codesOf(const SearchResults& found) {
    std::vector<std::string> codes;
    for (const SearchResult& r : found.results) codes.push_back(r.code);
    return codes;
}

std::vector<std::string> firstCodes(const SearchResults& found, std::size_t n) {
    std::vector<std::string> codes = codesOf(found);
    codes.resize(std::min(n, codes.size()));
    return codes;
}

std::vector<std::string> highlightedParts(const SearchResult& result) {
    std::vector<std::string> parts;
    for (const ByteRange& range : result.highlights) parts.push_back(result.text.substr(range.begin, range.end - range.begin));
    return parts;
}

const Vocabulary& noVocabulary() {
    static const Vocabulary none;
    return none;
}

const SearchIndex& fireRows() {
    static const SearchIndex index(
        {
            {"IZ2", Section::General, "Потушен ли пожар?", false},
            {"J", Section::SingleLetter, "У меня пожар и я имею на борту опасный груз; держитесь в стороне от меня", false},
            {"IZ", Section::General, "Пожар потушен.", false},
            {"IX2", Section::General, "Пожар не потушен.", false},
            {"IT", Section::General, "У меня пожар.", false},
            {"JA", Section::General, "Мне требуются противопожарные средства.", false},
            {"KF", Section::General, "Мне требуется пожарный катер (или буксир).", false},
            {"IV", Section::General, "Где пожар?", false},
            {"NC1", Section::General, "Я терплю бедствие.", false},
            {"NC", Section::General, "Я терплю бедствие!", false},
            {"XR", Section::General, "Погода хорошая.", false},
        },
        noVocabulary());
    return index;
}

TEST(Ranking, BestAnswerFirst) {
    struct Case {
        const char* query;
        std::vector<std::string> first;  // the results must begin so
    };
    const Case cases[] = {
        // A short row with every word before a long one.
        {"у меня пожар", {"IT", "J"}},
        // A denial or a question weighs less when the query neither denies nor asks …
        {"пожар потушен", {"IZ"}},
        {"пожар", {"IT", "IZ"}},
        // … and holds a word more when it does.
        {"пожар не потушен", {"IX2"}},
        {"потушен ли пожар", {"IZ2"}},
        {"где пожар", {"IV"}},
        // On equal terms the main signal before its variant, whatever order the rows came in.
        {"терплю бедствие", {"NC", "NC1"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(firstCodes(fireRows().find(c.query), c.first.size()), c.first) << "query «" << c.query << "»";
}

TEST(Ranking, RowsWithEveryWordComeFirstAndWholeWordsBeforeABeginning) {
    // «буксир» is in KF only, in an aside of a long row; «мне» «требуется»
    // are in JA too, which is shorter: every word still wins.
    const SearchResults tug = fireRows().find("мне требуется буксир");
    ASSERT_FALSE(tug.results.empty());
    EXPECT_EQ(tug.results.front().code, "KF");
    EXPECT_EQ(tug.results.front().kind, MatchKind::WholeWords);
    // The rows that hold the word whole before the one where it is only begun.
    const SearchResults fire = fireRows().find("пожар");
    const auto firstBegun = std::find_if(fire.results.begin(), fire.results.end(),
                                         [](const SearchResult& r) { return r.kind == MatchKind::WordPrefix; });
    ASSERT_NE(firstBegun, fire.results.end());
    EXPECT_EQ(firstBegun->code, "KF");  // «пожарный»; «противопожарные» does not begin with «пожар»
    EXPECT_TRUE(std::all_of(firstBegun, fire.results.end(),
                            [](const SearchResult& r) { return r.kind == MatchKind::WordPrefix; }));
    const std::vector<std::string> codes = codesOf(fire);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), "JA"), 0);
}

TEST(Ranking, OnlyRowsWorthReadingAreListedAndCounted) {
    // «погода» is rare, «пожар» is common: the row with the rare word is worth
    // reading, those with the common word alone score under half of it.
    const SearchResults found = fireRows().find("пожар погода");
    EXPECT_EQ(codesOf(found), std::vector<std::string>{"XR"});
    EXPECT_EQ(found.total, 1u);
    EXPECT_EQ(found.results.front().kind, MatchKind::SomeWords);
    // Every row with the word, whatever its score.
    EXPECT_EQ(fireRows().find("пожар ").total, 6u);
}

TEST(Ranking, LimitKeepsTheBestAndCountsAll) {
    const SearchResults three = fireRows().find("пожар ", 3);
    EXPECT_EQ(codesOf(three), firstCodes(fireRows().find("пожар "), 3));
    EXPECT_EQ(three.total, 6u);
    const SearchResults none = fireRows().find("пожар ", 0);
    EXPECT_TRUE(none.results.empty());
    EXPECT_EQ(none.total, 6u);
}

TEST(Ranking, ResultCarriesTheRow) {
    const SearchIndex index({{"MAB", Section::Medical, "Якоря нет.", true}, {"RA", Section::General, "Якорь.", false}},
                            noVocabulary());
    const SearchResults found = index.find("якоря нет ");
    ASSERT_FALSE(found.results.empty());
    const SearchResult& r = found.results.front();
    EXPECT_EQ(r.code, "MAB");
    EXPECT_EQ(r.section, Section::Medical);
    EXPECT_EQ(r.text, "Якоря нет.");
    EXPECT_TRUE(r.reconstructed);
    EXPECT_EQ(r.kind, MatchKind::WholeWords);
    EXPECT_TRUE(found.corrected.empty());
}

TEST(Ranking, AnIndexOfNoRowsFindsNothing) {
    const SearchIndex empty({}, noVocabulary());
    EXPECT_EQ(empty.find("якорь").total, 0u);
    EXPECT_EQ(empty.find("a").total, 0u);
    EXPECT_FALSE(empty.lookupCode("A").has_value());
}

// Latin as typed; Cyrillic letters that all look Latin as written by their
// look, then by their keys; other Cyrillic letters by their keys, then by
// their look.
TEST(Codes, EveryReadingTheRowsHaveComesFirstTheLikeliestFirst) {
    const SearchIndex index(
        {
            {"HC", Section::General, "Подобрано тел погибших.", false},
            {"YC", Section::General, "Ожидаемая сила ветра.", false},
            {"AE1", Section::General, "Я хочу оставить свое судно.", false},
            {"NC", Section::General, "Я терплю бедствие.", false},
            {"TC", Section::General, "Больных ..... человек.", false},
            {"BB1", Section::General, "Проба одна.", false},
            {"DD1", Section::General, "Проба другая.", false},
            {"I-3", Section::TableI, "Мегафон.", false},
            {"MOE", Section::Medical, "Больной принимает ..... раз в день.", true},
            {"A", Section::SingleLetter, "Водолаз, а значит малый ход.", false},
            {"F", Section::SingleLetter, "Я не управляюсь.", false},
            {"M", Section::SingleLetter, "Мое судно остановлено.", false},
        },
        noVocabulary());
    struct Case {
        const char* query;
        std::vector<std::string> first;
        std::size_t codes;  // of them, the exact codes
    };
    const Case cases[] = {
        {"AE1", {"AE1"}, 1},
        {"ae1", {"AE1"}, 1},
        {"фу1", {"AE1"}, 1},         // the keys of A, E and 1 on the Russian layout
        {"ае1", {"AE1"}, 1},         // look-alikes; by the keys it would be FT1, which is not there
        {"ВВ1", {"BB1", "DD1"}, 2},  // capitals that look like B: by the look BB1, by the keys DD1
        {"вв1", {"DD1", "BB1"}, 2},  // a small в looks like no b: by the keys first
        {"I3", {"I-3"}, 1},          // a table row typed without its dash
        {"ш3", {"I-3"}, 1},          // and on the Russian layout
        {"тс", {"NC", "TC"}, 2},     // by the keys NC, by the look TC (a small т is no t)
        {"нс", {"YC", "HC"}, 2},     // by the keys YC, by the look HC
        {"мое1", {"M"}, 0},          // no code has three letters and a digit: «мое» put right
        // A word of the rows: the rows with it first, then the code (MOE by the look; by the keys VJT is none).
        {"мое", {"M", "MOE"}, 1},
        // A holds the word «а», but is listed once, as a code, before F by the keys.
        {"а", {"A", "F"}, 2},
    };
    for (const Case& c : cases) {
        const SearchResults found = index.find(c.query);
        EXPECT_EQ(firstCodes(found, c.first.size()), c.first) << "query «" << c.query << "»";
        EXPECT_EQ(std::count_if(found.results.begin(), found.results.end(),
                                [](const SearchResult& r) { return r.kind == MatchKind::ExactCode; }),
                  static_cast<long>(c.codes))
            << "query «" << c.query << "»";
    }
}

TEST(Codes, ListedEvenWhenTheWordsFillTheLimit) {
    std::vector<SearchRow> rows;
    for (int i = 0; i < 300; ++i)
        rows.push_back({std::string(1, char('A' + i / 26 % 26)) + char('A' + i % 26) + char('0' + i / 26 / 26),
                        Section::General, "Мое судно.", false});
    rows.push_back({"MOE", Section::Medical, "Проба.", true});
    const SearchIndex index(rows, noVocabulary());
    const SearchResults found = index.find("мое", 200);
    ASSERT_EQ(found.results.size(), 200u);
    EXPECT_EQ(found.results.back().code, "MOE");
    EXPECT_EQ(found.results.back().kind, MatchKind::ExactCode);
    EXPECT_EQ(found.total, 301u);
}

TEST(Highlights, CoverEveryMatchedWordAndOnlyTheTypedPartOfABeginning) {
    const SearchIndex index(
        {
            {"RB2", Section::General, "Там, где вы стали на ЯКОРЬ (или намерены стать), ваш якорь, вероятно, будет ползти.", false},
            {"EW", Section::General, "Ещё не отдан «якорь»; северо-восток", false},
            {"AN", Section::General, "Мне нужен врач", false},
        },
        Vocabulary{{{{"доктор"}, {{"врач"}}, 1}}, {}});
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
        // What stands for an everyday word.
        {"нужен доктор", "AN", {"нужен", "врач"}},
        // A word put right: the word of the text.
        {"якарь ", "EW", {"якорь"}},
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
    const SearchIndex index({{"RA", Section::General, "Мой якорь нечист.", false}}, noVocabulary());
    const SearchResults found = index.find("якорь");
    ASSERT_EQ(found.results.size(), 1u);
    // «Мой » is 3 Cyrillic letters and a space: 7 bytes; «якорь» 10 bytes.
    EXPECT_EQ(found.results.front().highlights, (std::vector<ByteRange>{{7, 17}}));
}

}  // namespace
