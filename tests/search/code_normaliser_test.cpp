// SPDX-License-Identifier: GPL-3.0-or-later
// Codes as a person types them: Latin or Cyrillic look-alikes, any case,
// tables of complements with a hyphen, a dash or a space.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "search/code_normaliser.h"

namespace {

using mss::search::normaliseCode;
using mss::search::normaliseGroup;

struct TypedCode {
    const char* typed;
    std::optional<std::string> canonical;
};

TEST(NormaliseCode, TurnsTypedFormsIntoTheCanonicalCode) {
    const TypedCode cases[] = {
        // Latin, any case, spaces around.
        {"AE1", "AE1"}, {"ae1", "AE1"}, {"aE1", "AE1"}, {"  AE1\t", "AE1"}, {"a", "A"}, {"MAA", "MAA"},
        // Cyrillic letters that look Latin, as typed on a Russian layout, both cases.
        {"ае1", "AE1"}, {"АЕ1", "AE1"}, {"Ае1", "AE1"}, {"маа", "MAA"}, {"МАА", "MAA"},
        {"а", "A"}, {"в", "B"}, {"е", "E"}, {"к", "K"}, {"м", "M"}, {"н", "H"},
        {"о", "O"}, {"р", "P"}, {"с", "C"}, {"т", "T"}, {"х", "X"}, {"у", "Y"},
        {"хв0", "XB0"}, {"ХН9", "XH9"}, {"ус", "YC"}, {"тк", "TK"}, {"ор", "OP"},
        // Latin and Cyrillic mixed in one code.
        {"mаа", "MAA"}, {"Wу0", "WY0"},
        // Tables of complements: hyphen, the Unicode dashes, minus, spaces.
        {"I-3", "I-3"}, {"i-3", "I-3"}, {"III-9", "III-9"}, {"iii-9", "III-9"}, {"II-0", "II-0"},
        {"I 3", "I-3"}, {"II – 5", "II-5"}, {"III—9", "III-9"}, {"I−1", "I-1"}, {" ii-0 ", "II-0"},
        {"ІІ-4", "II-4"},  // Ukrainian І
    };
    for (const TypedCode& c : cases) EXPECT_EQ(normaliseCode(c.typed), c.canonical) << "typed: \"" << c.typed << '"';
}

TEST(NormaliseCode, RefusesWhatIsNotTheFormOfACode) {
    const char* const notCodes[] = {
        "", "   ", "-", "1", "A12", "ABCD", "AE 1", "A-E", "1A",
        // Cyrillic letters without a Latin look-alike.
        "я", "якорь", "лоц", "мб", "аб1",
        // A table needs I, II or III and one digit.
        "IIII-1", "IV-1", "I-", "-3", "I-33", "I-A", "A-3", "I3-",
        // Punctuation, control characters, invalid UTF-8, too long.
        "AE1.", "«AE1»", "A\x01", "A\xFF", "\xD0", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
    };
    for (const char* typed : notCodes) EXPECT_EQ(normaliseCode(typed), std::nullopt) << "typed: \"" << typed << '"';
}

// Groups of a hoist: any length, a decimal point as '.' or ',', read like codes.
TEST(NormaliseGroup, ReadsLettersDigitsAndTheDecimalPoint) {
    const TypedCode cases[] = {
        {"MAA", "MAA"}, {"маа", "MAA"}, {" l2330 ", "L2330"}, {"22.2", "22.2"}, {"22,2", "22.2"},
        {"nonnn", "NONNN"}, {"1.2,3", "1.2.3"}, {"хв0", "XB0"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"},
        // Not groups: empty, a table row, a space inside, other characters.
        {"", std::nullopt}, {"  ", std::nullopt}, {"I-3", std::nullopt}, {"III 9", std::nullopt},
        {"MA A", std::nullopt}, {"якорь", std::nullopt}, {"A;", std::nullopt}, {"A\xFF", std::nullopt},
    };
    for (const TypedCode& c : cases) EXPECT_EQ(normaliseGroup(c.typed), c.canonical) << "typed: \"" << c.typed << '"';
}

}  // namespace
