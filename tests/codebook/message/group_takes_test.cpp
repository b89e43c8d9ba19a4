// SPDX-License-Identifier: GPL-3.0-or-later
// The table of what groups take after their letters: the shipped one holds
// only codes of the book, and a damaged one is refused with its line.

#include <gtest/gtest.h>

#include <string>

#include "codebook/meanings.h"
#include "codebook/message/group_takes.h"
#include "support/shipped_book.h"

using namespace mss::codebook;
using namespace mss::codebook::message;
using mss::testing::shippedBook;

TEST(GroupTakes, TheShippedTableReadsAndNamesCodesOfTheBook) {
    const GroupTakesTable& table = GroupTakesTable::shipped();
    EXPECT_GT(table.size(), 100u);
    EXPECT_TRUE(table.of("DI").number);
    EXPECT_EQ(table.of("MD").unit, "°");
    EXPECT_EQ(table.of("CD").table, Section::TableII);
    EXPECT_EQ(table.of("YQ").table, Section::TableI);
    EXPECT_TRUE(table.of("HY1").vessel);
    EXPECT_TRUE(table.of("UU").place);
    EXPECT_FALSE(table.of("EV").number || table.of("EV").vessel || table.of("EV").place || table.of("EV").table);
}

TEST(GroupTakes, EveryCodeOfTheShippedTableIsInTheBook) {
    // A line naming a code the book lacks would never be asked for and
    // would hide a typing error.
    for (const std::string& code : GroupTakesTable::shipped().codes())
        EXPECT_TRUE(meaningOf(shippedBook(), code).has_value()) << code;
}

TEST(GroupTakes, ADamagedTableIsRefusedWithItsLine) {
    struct Case {
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {"# comment\nDI\tnumber\n\nXX1X\tnumber\n", "строка 4"},
        {"DI\tcolour\n", "«colour»"},
        {"DI\n", "строка 1"},
        {"UU\tplace\tмиль\n", "единица бывает только у числа"},
        {"CD\ttable II\nCD\tnumber\n", "и число, и цифра таблицы"},
    };
    for (const Case& c : cases) {
        try {
            GroupTakesTable::parse(c.text);
            ADD_FAILURE() << c.text << " should be refused";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(GroupTakesTable::parse("DI\tnumber\r\nMD\tnumber\t°\n").of("MD").number);
}
