// SPDX-License-Identifier: GPL-3.0-or-later
// A signal's code in every spelling the program reads and writes: as it is
// written, as a person types it (Latin, Cyrillic look-alikes, tables with a
// hyphen, a dash or a space), as a learner types it in a section, and the
// flags of its hoist.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "codebook/signal_code.h"
#include "codebook/signal_directory.h"
#include "codebook/signal_flags.h"

namespace {

using mss::codebook::Section;
using mss::codebook::SignalCode;
using mss::codebook::SignalDirectory;

std::optional<std::string> readAs(const char* typed) {
    if (const auto code = SignalCode::read(typed)) return code->text();
    return std::nullopt;
}

TEST(SignalCode, KnowsWhatEachKindOfCodeIsMadeOf) {
    struct Case {
        const char* written;
        Section section;
        const char* hoist;  // flags top down
        const char* typed;  // what a learner types in its section
        const char* group;
        std::optional<int> digit;
    };
    const Case cases[] = {
        {"A", Section::SingleLetter, "A", "A", "", std::nullopt},
        {"AE", Section::General, "AE", "AE", "A", std::nullopt},
        {"AE1", Section::General, "AE1", "AE1", "A", 1},
        {"MA", Section::General, "MA", "MA", "M", std::nullopt},  // M's own general signals
        {"MAA", Section::Medical, "MAA", "AA", "A", std::nullopt},
        {"MVU", Section::Medical, "MVU", "VU", "V", std::nullopt},
        {"I-3", Section::TableI, "3", "3", "I", 3},
        {"II-0", Section::TableII, "0", "0", "II", 0},
        {"III-9", Section::TableIII, "9", "9", "III", 9},
    };
    for (const Case& c : cases) {
        const auto code = SignalCode::parse(c.written);
        ASSERT_TRUE(code) << c.written;
        EXPECT_EQ(code->text(), c.written);
        EXPECT_EQ(code->section(), c.section) << c.written;
        EXPECT_EQ(code->hoistSymbols(), c.hoist) << c.written;
        EXPECT_EQ(code->typedSymbols(), c.typed) << c.written;
        EXPECT_EQ(code->group(), c.group) << c.written;
        EXPECT_EQ(code->digit(), c.digit) << c.written;
        EXPECT_EQ(code->impliesMedicalM(), c.section == Section::Medical) << c.written;
        EXPECT_EQ(code->table() != nullptr, std::string(c.written).find('-') != std::string::npos) << c.written;
        EXPECT_EQ(SignalCode::ofTyped(c.section, c.typed), code) << c.written;
    }
}

TEST(SignalCode, EveryCodeOfTheBookRoundTripsThroughEverySpelling) {
    int codes = 0;
    for (const auto& entry : SignalDirectory::instance().codes()) {
        const SignalCode& code = entry.code;
        ++codes;
        EXPECT_EQ(SignalCode::parse(code.text()), code) << code.text();
        EXPECT_EQ(SignalCode::read(code.text()), code) << code.text();
        EXPECT_EQ(SignalCode::ofTyped(code.section(), code.typedSymbols()), code) << code.text();
        EXPECT_TRUE(code.inBook()) << code.text();
        // One set flies every code of the book; a repeat is a substitute.
        EXPECT_EQ(code.hoistFlags().size(), code.hoistSymbols().size()) << code.text();
    }
    EXPECT_EQ(codes, 1899);
}

TEST(SignalCode, HoistsAsOneSetFliesThem) {
    using mss::codebook::substituteFlag;
    const int A = 0, B = 1, M = 12, one = 26, three = 28;
    const struct {
        const char* written;
        std::vector<int> flags;
    } cases[] = {
        {"AE1", {A, 4, one}}, {"MAA", {M, A, substituteFlag(2)}}, {"MMA", {M, substituteFlag(1), A}},
        {"BB1", {B, substituteFlag(1), one}}, {"III-3", {three}}, {"II-1", {one}},
    };
    for (const auto& c : cases) EXPECT_EQ(SignalCode::parse(c.written)->hoistFlags(), c.flags) << c.written;
}

TEST(SignalCode, ReadsTypedFormsIntoTheWrittenCode) {
    const struct {
        const char* typed;
        std::optional<std::string> written;
    } cases[] = {
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
        // A table row typed without its dash.
        {"I3", "I-3"}, {"iii9", "III-9"}, {"і3", "I-3"}, {" III0 ", "III-0"},
    };
    for (const auto& c : cases) EXPECT_EQ(readAs(c.typed), c.written) << "typed: \"" << c.typed << '"';
}

// Every code a typed text may mean, the likeliest first: the Russian layout's
// letters by their keys too, the look first where every letter looks Latin
// as written.
TEST(SignalCode, ReadsATypedCodeEveryWayItMayBeMeant) {
    const struct {
        const char* typed;
        std::vector<std::string> codes;
    } cases[] = {
        {"AE1", {"AE1"}},
        {"фу1", {"AE1"}},            // Ф and У sit on the keys of A and E
        {"ьфф", {"MAA"}},
        {"я", {"Z"}},
        {"ш-3", {"I-3"}},            // Ш sits on the key of I
        {"ш3", {"I-3"}},
        {"ае1", {"AE1", "FT1"}},     // а and е look like a and e
        {"ВВ1", {"BB1", "DD1"}},     // В looks like B, and sits on the key of D
        {"вв1", {"DD1", "BB1"}},     // a small в looks like no b
        {"тс", {"NC", "TC"}},
        {"маа", {"MAA"}},            // by the keys VFF, no code
        {"II5", {"II5", "II-5"}},    // by its shape a general signal, and the row of table II
        {"аe1", {"AE1"}},            // a Latin e: the layout was Latin
        {"якорь", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> codes;
        for (const SignalCode& code : SignalCode::readings(c.typed)) codes.push_back(code.text());
        EXPECT_EQ(codes, c.codes) << "typed: \"" << c.typed << '"';
    }
}

TEST(SignalCode, RefusesWhatIsNotTheFormOfACode) {
    const char* const notCodes[] = {
        "", "   ", "-", "1", "A12", "ABCD", "AE 1", "A-E", "1A", "A1",
        // Three letters are a medical signal only after M.
        "ABC",
        // Cyrillic letters without a Latin look-alike.
        "я", "якорь", "лоц", "мб", "аб1",
        // A table needs I, II or III and one digit; table I has no row 0.
        "IIII-1", "IV-1", "I-", "-3", "I-33", "I-A", "A-3", "I3-",
        // Punctuation, control characters, invalid UTF-8, too long.
        "AE1.", "«AE1»", "A\x01", "A\xFF", "\xD0", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
    };
    for (const char* typed : notCodes) EXPECT_EQ(readAs(typed), std::nullopt) << "typed: \"" << typed << '"';
    EXPECT_FALSE(SignalCode::parse("ae1")) << "the written form is exact";
    EXPECT_FALSE(SignalCode::ofTyped(Section::Medical, "A1")) << "a medical signal has no digit";
    EXPECT_FALSE(SignalCode::ofTyped(Section::TableII, "A"));
    EXPECT_FALSE(SignalCode::ofTyped(Section::General, "A")) << "a single letter is not a general signal";
}

// Groups of a hoist: any length, a decimal point as '.' or ',', read like codes.
TEST(SignalCode, ReadsGroupsOfFlagsLikeCodes) {
    using mss::codebook::readGroup;
    const struct {
        const char* typed;
        std::optional<std::string> group;
    } cases[] = {
        {"MAA", "MAA"}, {"маа", "MAA"}, {" l2330 ", "L2330"}, {"22.2", "22.2"}, {"22,2", "22.2"},
        {"nonnn", "NONNN"}, {"1.2,3", "1.2.3"}, {"хв0", "XB0"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"},
        // Not groups: empty, a table row, a space inside, other characters.
        {"", std::nullopt}, {"  ", std::nullopt}, {"I-3", std::nullopt}, {"III 9", std::nullopt},
        {"MA A", std::nullopt}, {"якорь", std::nullopt}, {"A;", std::nullopt}, {"A\xFF", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(readGroup(c.typed), c.group) << "typed: \"" << c.typed << '"';
    EXPECT_FALSE(SignalCode::read("A.1")) << "a code has no decimal point";
}

TEST(SignalCode, ACodeOfTheRightShapeNeedNotBeInTheBook) {
    for (const char* absent : {"MAG", "RA9", "I-0"}) {
        const auto code = SignalCode::parse(absent);
        if (code) {
            EXPECT_FALSE(code->inBook()) << absent;
        }
    }
    EXPECT_FALSE(SignalCode::parse("R")->inBook()) << "R has no single-letter signal";
}

}  // namespace
