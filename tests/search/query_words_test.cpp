// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a query: folded, where each stands, whether the last one is
// still being typed, and Latin look-alikes inside Russian words.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/query_words.h"

namespace {

using mss::search::readQueryWords;

std::vector<std::string> foldedWords(const mss::search::QueryWords& words) {
    std::vector<std::string> folded;
    for (const auto& w : words.words) folded.push_back(w.folded);
    return folded;
}

TEST(QueryWords, TheLastWordIsBeingTypedUntilSomethingFollowsIt) {
    struct Case {
        std::string query;
        std::vector<std::string> words;
        bool typing;
    };
    const Case cases[] = {
        {"лоц", {"лоц"}, true},
        {"Мой Як", {"мой", "як"}, true},
        {"мой якорь ", {"мой", "якорь"}, false},
        {"якорь.", {"якорь"}, false},
        {"якорь\n", {"якорь"}, false},
        {"«якорь»", {"якорь"}, false},
        {"северо-", {"северо"}, false},
        {"северо-вос", {"северо", "вос"}, true},
        {"якорь якорь", {"якорь", "якорь"}, true},
        {"я\u0301", {"я"}, true},  // a stress mark after the last letter is part of the word
        {"", {}, false},
        {" ... ", {}, false},
    };
    for (const Case& c : cases) {
        const auto words = readQueryWords(c.query);
        EXPECT_EQ(foldedWords(words), c.words) << "query «" << c.query << "»";
        EXPECT_EQ(words.lastIsTyping, c.typing) << "query «" << c.query << "»";
        EXPECT_EQ(words.empty(), c.words.empty()) << "query «" << c.query << "»";
    }
}

TEST(QueryWords, KnowWhereEachWordStands) {
    const auto words = readQueryWords("  Человек, за БРТОМ!");
    ASSERT_EQ(words.words.size(), 3u);
    // «  » is 2 bytes; «Человек» 14; «, » 2; «за» 4; « » 1; «БРТОМ» 10.
    EXPECT_EQ(words.words[0].begin, 2u);
    EXPECT_EQ(words.words[0].end, 16u);
    EXPECT_EQ(words.words[2].begin, 23u);
    EXPECT_EQ(words.words[2].end, 33u);
    EXPECT_EQ(words.words[2].folded, "бртом");
}

TEST(QueryWords, ReadLatinLookAlikesInsideARussianWordAsCyrillic) {
    struct Case {
        std::string query;
        std::string word;
    };
    const Case cases[] = {
        {"якоpь", "якорь"},     // p
        {"ЯКОPЬ", "якорь"},     // P, folded first
        {"cудно", "судно"},     // c at the start
        {"тeчь", "течь"},       // e
        {"HAKOНЕЦ", "наконец"}, // H, A, K, O among Cyrillic
        {"якоrь", "якоrь"},     // r looks like no Cyrillic letter: left as typed
        {"anchor", "anchor"},   // no Cyrillic letter: a Latin word
        {"ae1", "ae1"},
        {"sos", "sos"},
    };
    for (const Case& c : cases) {
        const auto words = readQueryWords(c.query);
        ASSERT_EQ(words.words.size(), 1u) << "query «" << c.query << "»";
        EXPECT_EQ(words.words[0].folded, c.word) << "query «" << c.query << "»";
    }
}

}  // namespace
