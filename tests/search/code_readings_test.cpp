// SPDX-License-Identifier: GPL-3.0-or-later
// The codes a query may stand for, and in which order: as typed in Latin;
// Cyrillic letters by their look and by the keys of the Russian layout, the
// look first when every letter looks Latin as written.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/code_readings.h"

namespace {

using mss::search::codeReadings;
using mss::search::looksTypedAsACode;

TEST(CodeReadings, InLatinByTheKeysAndByTheLook) {
    struct Case {
        std::string query;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"AE1", {"AE1"}},
        {" ae1 ", {"AE1"}},
        {"фу1", {"AE1"}},          // Ф and У are on the keys of A and E
        {"ФУ1", {"AE1"}},
        {"ае1", {"AE1", "FT1"}},   // а and е look like a and e: by the look AE1, by the keys FT1
        {"ВВ1", {"BB1", "DD1"}},   // В looks like B: by the look BB1, by the keys DD1
        {"Вв1", {"DD1", "BB1"}},   // a small в looks like no b: by the keys first
        {"тс", {"NC", "TC"}},      // a small т looks like no t
        {"ТС", {"TC", "NC"}},
        {"нс", {"YC", "HC"}},
        {"маа", {"MAA"}},          // by the keys VFF, which is no code
        {"мое", {"MOE"}},          // by the keys VJT, which is no code
        {"х", {"X"}},              // Х sits on a key of no letter: by the look only
        {"хв0", {"XB0"}},
        {"аe1", {"AE1"}},          // a Latin e: read as typed, the Cyrillic а by its look
        {"I-3", {"I-3"}},
        {"iii 9", {"III-9"}},
        {"I3", {"I-3"}},           // a table row without its dash
        {"iii9", {"III-9"}},
        {"II5", {"II5", "II-5"}},  // the general signal II5 by its shape, and the row of table II
        {"ш3", {"I-3"}},
        {"ш-3", {"I-3"}},          // Ш is on the key of I
        {"і-3", {"I-3"}},          // the Ukrainian і looks like I and is on no Russian key
        {"якорь", {}},
        {"тсс", {}},
        {"ae 1", {}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(codeReadings(c.query), c.codes) << "query «" << c.query << "»";
}

TEST(CodeReadings, ADigitOrALatinLetterMakesAQueryACodeFirst) {
    for (const char* code : {"мое1", "ae", "I-3", "ш-3", "1"}) EXPECT_TRUE(looksTypedAsACode(code)) << code;
    for (const char* word : {"мое", "тс", "якорь", "", "—"}) EXPECT_FALSE(looksTypedAsACode(word)) << word;
}

}  // namespace
