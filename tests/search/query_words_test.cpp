// SPDX-License-Identifier: GPL-3.0-or-later
// Which words of a query are finished and which one is still being typed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/query_words.h"

namespace {

using mss::search::readQueryWords;

struct Case {
    std::string query;
    std::vector<std::string> finished;
    std::string typing;
};

TEST(QueryWords, TheLastWordIsBeingTypedUntilSomethingFollowsIt) {
    const Case cases[] = {
        {"лоц", {}, "лоц"},
        {"Мой Як", {"мой"}, "як"},
        {"мой якорь ", {"мой", "якорь"}, ""},
        {"якорь.", {"якорь"}, ""},
        {"якорь\n", {"якорь"}, ""},
        {"«якорь»", {"якорь"}, ""},
        {"северо-", {"северо"}, ""},
        {"северо-вос", {"северо"}, "вос"},
        {"якорь якорь", {"якорь"}, "якорь"},
        {"я\u0301", {}, "я"},  // a stress mark after the last letter is part of the word
        {"", {}, ""},
        {" ... ", {}, ""},
    };
    for (const Case& c : cases) {
        const auto words = readQueryWords(c.query);
        EXPECT_EQ(words.finished, c.finished) << "query «" << c.query << "»";
        EXPECT_EQ(words.typing, c.typing) << "query «" << c.query << "»";
        EXPECT_EQ(words.empty(), c.finished.empty() && c.typing.empty()) << "query «" << c.query << "»";
    }
}

}  // namespace
