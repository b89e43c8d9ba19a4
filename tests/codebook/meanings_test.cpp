// SPDX-License-Identifier: GPL-3.0-or-later
// What a drill or a search asks of the code book: the meaning of one code,
// and every signal of a section in the order of the code.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "codebook/meanings.h"
#include "support/shipped_book.h"

using namespace mss::codebook;
using mss::testing::shippedBook;

TEST(Meanings, ACodeGivesItsSectionListRowTextAndSource) {
    struct Case {
        const char* code;
        Section section;
        CodeList list;
        int row;
        const char* text;  // nullptr: not checked here
        Source source;
    };
    const Case cases[] = {
        {"A", Section::SingleLetter, CodeList::SingleLetter, 0, nullptr, Source::Book},
        {"Y", Section::SingleLetter, CodeList::SingleLetter, 23, "Меня дрейфует на якоре ", Source::Book},
        {"AE", Section::General, CodeList::GeneralAToJ, 4, "Я должен оставить свое судно", Source::Book},
        {"JN", Section::General, CodeList::GeneralJToQ, 0, nullptr, Source::Book},
        {"XB0", Section::General, CodeList::GeneralRToZ, 279, "Штиль, зеркально-гладкое море, высота волны 0",
         Source::Book},
        {"XH9", Section::General, CodeList::GeneralRToZ, 304, nullptr, Source::Recall},
        {"MLQ", Section::Medical, CodeList::Medical, 235, nullptr, Source::Ref},
        {"I-9", Section::TableI, CodeList::Complements, 8, "УКВ радиотелефон  —  канал 16.", Source::Book},
        {"II-0", Section::TableII, CodeList::Complements, 9, "Вода.", Source::Book},
        {"III-9", Section::TableIII, CodeList::Complements, 28, nullptr, Source::Book},
    };
    for (const Case& c : cases) {
        const auto m = meaningOf(shippedBook(), c.code);
        ASSERT_TRUE(m.has_value()) << c.code;
        EXPECT_EQ(m->code, c.code);
        EXPECT_EQ(m->section, c.section) << c.code;
        EXPECT_EQ(m->list, c.list) << c.code;
        EXPECT_EQ(m->row, c.row) << c.code;
        EXPECT_EQ(m->text, shippedBook().text(c.list, c.row)) << c.code;
        if (c.text) {
            EXPECT_EQ(m->text, c.text) << c.code;
        }
        EXPECT_EQ(m->source, c.source) << c.code;
        EXPECT_EQ(sectionOfCode(c.code), c.section) << c.code;
    }
}

TEST(Meanings, CodesTheBookLacksHaveNoMeaning) {
    for (const char* code : {"", "R", "AE3", "ae1", "MWA", "MLG", "I-0", "IV-1", "II-10", "AE1 ", "A1"}) {
        EXPECT_FALSE(meaningOf(shippedBook(), code).has_value()) << '"' << code << '"';
        EXPECT_FALSE(sectionOfCode(code).has_value()) << '"' << code << '"';
    }
}

TEST(Meanings, EverySectionListsItsSignalsInTheOrderOfTheCode) {
    struct Case {
        Section section;
        std::size_t count;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {Section::SingleLetter, 25, "A", "Z"}, {Section::General, 1403, "AA", "ZZ1"},
        {Section::Medical, 442, "MAA", "MVU"}, {Section::TableI, 9, "I-1", "I-9"},
        {Section::TableII, 10, "II-0", "II-9"}, {Section::TableIII, 10, "III-0", "III-9"},
    };
    std::set<std::string> everyCode;
    for (const Case& c : cases) {
        const auto signals = signalsOf(shippedBook(), c.section);
        ASSERT_EQ(signals.size(), c.count) << static_cast<int>(c.section);
        EXPECT_EQ(signals.front().code, c.first);
        EXPECT_EQ(signals.back().code, c.last);
        for (const Meaning& m : signals) {
            EXPECT_EQ(m.section, c.section) << m.code;
            EXPECT_TRUE(everyCode.insert(std::string(m.code)).second) << m.code << " listed twice";
            // The list is the same as asking code by code.
            const auto one = meaningOf(shippedBook(), m.code);
            ASSERT_TRUE(one.has_value()) << m.code;
            EXPECT_EQ(one->row, m.row) << m.code;
            EXPECT_EQ(one->text.data(), m.text.data()) << m.code;
        }
    }
    // The shared complements of the general section stand in code order.
    const auto general = signalsOf(shippedBook(), Section::General);
    std::vector<std::string> codes;
    for (const Meaning& m : general) codes.emplace_back(m.code);
    const auto xb = std::find(codes.begin(), codes.end(), "XB");
    ASSERT_NE(xb, codes.end());
    EXPECT_EQ(*(xb + 1), "XB0");
    EXPECT_EQ(*(xb + 10), "XB9");
}
