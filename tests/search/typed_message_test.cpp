// SPDX-License-Identifier: GPL-3.0-or-later
// The reading the search shows for a message typed: for complements,
// numbers and several groups, never for words or a lone code.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "search/typed_message.h"
#include "support/shipped_book.h"

using mss::search::typedMessageReading;
using mss::testing::shippedBook;

TEST(TypedMessage, AComplementOrAMessageIsReadGroupByGroup) {
    struct Case {
        const char* query;
        const char* reading;
    };
    const Case cases[] = {
        {"T1430", "T1430 — местное время 14 ч 30 мин"},
        {"c045 s12", "C045 — курс 045°\nS12 — скорость 12 узлов"},
        {"  l6330n  ", "L6330N — широта 63°30′ N"},
        {"DI20", "DI20 — Мне требуются шлюпки для 20 человек."},
        // A wrong value is said, never read as something else.
        {"T2460", "T2460 — не читается: Времени 24 ч 60 мин не бывает: часы — от 00 до 23, минуты — от 00 до 59."},
        {"C045 T2460",
         "C045 — курс 045°\nT2460 — не читается: Времени 24 ч 60 мин не бывает: часы — от 00 до 23, "
         "минуты — от 00 до 59."},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> reading = typedMessageReading(shippedBook(), c.query);
        ASSERT_TRUE(reading.has_value()) << c.query;
        EXPECT_EQ(*reading, c.reading) << c.query;
    }
}

TEST(TypedMessage, WordsAndALoneCodeHaveNoReading) {
    // «мое» is typed in letters that all look Latin: MOE, no code and no message.
    for (const char* query :
         {"", "якорь", "мое", "человек за бортом", "AE1", "K", "I-3", "фу1", "2j", "UBKR", "судно 20"})
        EXPECT_FALSE(typedMessageReading(shippedBook(), query).has_value()) << query;
}
