// SPDX-License-Identifier: GPL-3.0-or-later
// Queries a learner types, against the whole shipped code book and the
// shipped word tables: the right signals among the first, the word forms
// joined and kept apart, the everyday words, typing mistakes, codes as
// typed, and nonsense.

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

std::string listed(const SearchResults& found, std::size_t n) {
    std::string codes;
    for (std::size_t i = 0; i < std::min(n, found.results.size()); ++i) codes += found.results[i].code + ' ';
    return codes.empty() ? "(nothing)" : codes;
}

const SearchResult* resultWithCode(const SearchResults& found, const std::string& code) {
    const auto it = std::find_if(found.results.begin(), found.results.end(),
                                 [&](const SearchResult& r) { return r.code == code; });
    return it == found.results.end() ? nullptr : &*it;
}

bool amongFirst(const SearchResults& found, std::size_t n, const std::vector<std::string>& codes) {
    for (std::size_t i = 0; i < std::min(n, found.results.size()); ++i)
        if (std::find(codes.begin(), codes.end(), found.results[i].code) != codes.end()) return true;
    return false;
}

TEST(ShippedBookQueries, TheRightSignalAmongTheFirstThree) {
    struct Case {
        std::string query;
        std::vector<std::string> right;
    };
    const Case cases[] = {
        // One word off no longer loses everything.
        {"нужен буксир", {"KF", "Z"}},
        {"нужна помощь", {"V", "CB"}},
        {"доктор", {"AN", "AL", "AM"}},
        {"пробоина", {"JW", "CB7"}},
        {"рыболовные сети", {"NB", "TI", "TJ"}},
        {"зажаты льдами", {"WC"}},
        {"сел на мель", {"JF", "JG", "JH"}},
        {"покинуть судно", {"AE", "AC", "AG"}},
        // The best first, not the first in the code.
        {"бедствие", {"NC"}},
        {"у меня пожар", {"IT"}},
        {"пожар потушен", {"IZ"}},
        // Mistyped.
        {"пажар", {"IT", "J", "IT1"}},
        {"буксри", {"KF", "KH", "KG"}},
        {"лоцмна", {"G", "UA", "UE"}},
        {"человек за бртом", {"O", "GW"}},
        {"айсберк", {"VW", "VX", "VY", "VZ", "HW6"}},
        // Codes as a Russian speaker types them.
        {"фу1", {"AE1"}},
        {"тс", {"NC"}},
        {"якоpь нечист", {"RA"}},  // a Latin p
    };
    for (const Case& c : cases) {
        const SearchResults found = shippedIndex().find(c.query);
        EXPECT_TRUE(amongFirst(found, 3, c.right)) << "query «" << c.query << "» lists " << listed(found, 3);
    }
    // Where the answer is one signal, it comes first.
    for (const char* query : {"у меня пожар", "пожар потушен", "фу1", "тс", "якоpь нечист", "зажаты льдами"})
        EXPECT_TRUE(amongFirst(shippedIndex().find(query), 1, {"IT", "IZ", "AE1", "NC", "RA", "WC"}))
            << "query «" << query << "» lists " << listed(shippedIndex().find(query), 3);
}

TEST(ShippedBookQueries, FormsOfOneWordFindEachOtherAndOtherWordsDoNot) {
    struct Case {
        std::string query;  // finished, so that no beginning counts
        std::string finds;  // whole
        std::string leavesOut;
    };
    const Case cases[] = {
        {"тонет ", "DX", ""},            // «Я тону»
        {"снимите людей ", "GN", ""},    // «снять людей»
        {"пришлите вертолет ", "BS", ""},
        {"помогите сняться с мели ", "JT2", ""},  // «Поможете ли вы …»
        {"льдами ", "WC", ""},           // «льдом»
        {"обжегся ", "AN1", ""},         // «ожогами»
        {"якорем ", "RA", "KP"},         // «якорную» is another word
        // Words the stemmer would join, kept apart.
        {"ранее ", "MBA", "MFR"},        // «рана» is no form of «ранее»
        {"покинуть судно ", "AE", "MJ"}, // the derelict vessel is not «покинуть»
        {"помочь ", "KK4", "MJW"},       // «помочиться» is no help
    };
    for (const Case& c : cases) {
        const SearchResults found = shippedIndex().find(c.query, shippedIndex().size());
        const SearchResult* hit = resultWithCode(found, c.finds);
        ASSERT_NE(hit, nullptr) << "query «" << c.query << "» does not find " << c.finds;
        EXPECT_EQ(hit->kind, MatchKind::WholeWords) << "query «" << c.query << "», " << c.finds;
        if (!c.leavesOut.empty()) {
            EXPECT_EQ(resultWithCode(found, c.leavesOut), nullptr) << "query «" << c.query << "» finds " << c.leavesOut;
        }
    }
}

TEST(ShippedBookQueries, EverydayWordsFindTheWordsOfTheBook) {
    // The book's word must be highlighted in the first result: the medical
    // rows are being reworded, so no code is named here.
    struct Case {
        std::string query;
        std::string bookWord;  // how a highlighted word of the first result begins, in lower case
    };
    const Case cases[] = {
        {"доктор", "врач"},         {"пробоина", "течь"},          {"нужен лоцман", "нужен"},
        {"жар", "температур"},      {"диарея", "понос"},           {"потерял сознание", "сознани"},
        {"обморозил", "обморож"},   {"сердечный приступ", "груд"},  {"мы тонем", "тону"},
        {"мороз", "нул"},           {"радар", "радиолокатор"},
        // The medical section: a poisoning is no paying out of a warp, a
        // part of the body stands in table M-I.
        {"отравился", "отравлени"}, {"сломал руку", "перелом"},    {"укачало", "морск"},
        {"бессонница", "спать"},    {"дать снотворное", "успокаивающ"},
    };
    for (const Case& c : cases) {
        const SearchResults found = shippedIndex().find(c.query);
        ASSERT_FALSE(found.results.empty()) << "query «" << c.query << "»";
        const SearchResult& first = found.results.front();
        // Past the first letter, which the text may have in capitals.
        const std::size_t letter = std::string("ж").size();
        bool marked = false;
        for (const ByteRange& h : first.highlights) {
            const std::string part = first.text.substr(h.begin, h.end - h.begin);
            marked = marked || (part.size() > letter && part.substr(letter).starts_with(c.bookWord.substr(letter)));
        }
        EXPECT_TRUE(marked) << "query «" << c.query << "»: " << first.code << " " << first.text;
    }
}

TEST(ShippedBookQueries, MistypedWordsArePutRightAndSaidSo) {
    struct Case {
        std::string query;
        std::string corrected;
    };
    const Case cases[] = {
        {"пажар", "пожар"},
        {"буксри", "буксир"},
        {"лоцмна", "лоцман"},
        {"человек за бртом", "человек за бортом"},
        {"айсберк", "айсберг"},
        {"кровотичение", "кровотечение"},
        {"ПАЖАР на борту", "пожар на борту"},  // the word put right is in lower case, the rest as typed
        // Words the book has, and words too short to guess at, stay as typed.
        {"пожар", ""},
        {"нужен буксир", ""},
        {"хз", ""},
        {"абвгдежз", ""},
        // Right words the book does not have are not taken for the book's
        // words a letter or two away.
        {"пресная вода", ""},  // no «красная», no «прежний»
        {"знобит", ""},        // no «значит»
        {"судороги", ""},      // no «дороги»
    };
    for (const Case& c : cases) EXPECT_EQ(shippedIndex().find(c.query).corrected, c.corrected) << "query «" << c.query << "»";
}

TEST(ShippedBookQueries, CodesComeFirstUnlessTheQueryIsAWordOfTheBook) {
    struct Case {
        std::string query;
        std::vector<std::string> codes;  // the exact codes, in order
        bool first;                      // listed before the words
    };
    const Case cases[] = {
        {"AE1", {"AE1"}, true},
        {"ае1", {"AE1"}, true},
        {"фу1", {"AE1"}, true},
        {"маа", {"MAA"}, true},  // by the keys «VFF», no code
        {"тс", {"NC", "TC"}, true},
        {"I-3", {"I-3"}, true},
        {"ii 5", {"II-5"}, true},
        {"I3", {"I-3"}, true},   // a table row without its dash
        {"ВВ1", {"BB1", "DD1"}, true},  // capitals that look Latin: by the look first, then by the keys
        {"ш-3", {"I-3"}, true},  // Ш is on the key of I
        {"хв0", {"XB0"}, true},
        {"wy0", {"WY0"}, true},
        // «мое» is a word of the book: its rows first, MOE after them.
        {"мое", {"MOE"}, false},
    };
    for (const Case& c : cases) {
        const SearchResults found = shippedIndex().find(c.query, shippedIndex().size());
        std::vector<std::string> codes;
        std::size_t firstCode = found.results.size();
        for (std::size_t i = 0; i < found.results.size(); ++i)
            if (found.results[i].kind == MatchKind::ExactCode) {
                codes.push_back(found.results[i].code);
                firstCode = std::min(firstCode, i);
            }
        EXPECT_EQ(codes, c.codes) << "query «" << c.query << "»";
        EXPECT_EQ(firstCode == 0, c.first) << "query «" << c.query << "»";
        if (!c.first) {
            EXPECT_EQ(found.results.back().code, c.codes.back()) << "query «" << c.query << "»";
        }
    }
}

TEST(ShippedBookQueries, FindNothingForNonsense) {
    const std::vector<std::string> queries = {
        "", " ", "   \t\n", ".", "...", "…", "«»", "\"\"", "()", "—", "-", "?!,;:",
        "ZZ9", "r ", "хз", "абвгдежз", "qqq",
    };
    for (const std::string& query : queries) {
        const SearchResults found = shippedIndex().find(query);
        EXPECT_EQ(found.total, 0u) << "query: «" << query << "»";
        EXPECT_TRUE(found.results.empty()) << "query: «" << query << "»";
    }
    // No table row: at most the rows with its number.
    for (const char* query : {"IV-1", "III-10"}) {
        const SearchResults found = shippedIndex().find(query);
        EXPECT_TRUE(std::none_of(found.results.begin(), found.results.end(),
                                 [](const SearchResult& r) { return r.kind == MatchKind::ExactCode; }))
            << "query: «" << query << "»";
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

    // Written without a printed source: the swell table, the position-fixing systems of the 1960s.
    EXPECT_TRUE(index.lookupCode("XE1")->reconstructed);
    EXPECT_TRUE(index.lookupCode("EW6")->reconstructed);
    EXPECT_FALSE(index.lookupCode("MAB")->reconstructed);

    // The code the international edition gives our MLQ under finds MLQ,
    // typed or searched, in any form a code is typed.
    for (const char* typed : {"MLG", "mlg", " MLG "}) {
        const auto mlg = index.lookupCode(typed);
        ASSERT_TRUE(mlg.has_value()) << typed;
        EXPECT_EQ(mlg->code, "MLQ") << typed;
        const SearchResults found = index.find(typed);
        ASSERT_FALSE(found.results.empty()) << typed;
        EXPECT_EQ(found.results.front().code, "MLQ") << typed;
        EXPECT_EQ(found.results.front().kind, MatchKind::ExactCode) << typed;
    }

    EXPECT_FALSE(index.lookupCode("R").has_value());  // no single-letter meaning in the book
    EXPECT_FALSE(index.lookupCode("ZZ9").has_value());
    EXPECT_FALSE(index.lookupCode("якорь").has_value());
}

TEST(ShippedBookQueries, GiveTheSameAnswersOnSeveralThreadsAtOnce) {
    const std::vector<std::string> queries = {"якорем", "лоц", "медицинская помощь", "ае1", "а", "I-3", "буксир ",
                                              "пажар", "сел на мель", "фу1"};
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
            for (int round = 0; round < 20; ++round) {
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
