// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "codebook/flag_catalogue.h"

using namespace mss::codebook;

TEST(FlagCatalogue, SymbolsMapToIndicesWithZeroLast) {
    struct Case { char symbol; int index; };
    for (const Case c : {Case{'A', 0}, {'M', 12}, {'Z', 25}, {'1', 26}, {'9', 34}, {'0', 35}}) {
        EXPECT_EQ(flagIndexOfSymbol(c.symbol), c.index) << c.symbol;
        EXPECT_EQ(symbolOfFlag(c.index), c.symbol);
        EXPECT_EQ(flagEntry(c.index).symbol, c.symbol);
    }
    for (char bad : {'a', ' ', '-', '\xD0'}) EXPECT_FALSE(flagIndexOfSymbol(bad).has_value());
}

TEST(FlagCatalogue, EveryEntryHasItsCaptionAndName) {
    std::set<std::string_view> names;
    for (const auto& e : flagCatalogue()) {
        EXPECT_EQ(flagIndexOfSymbol(e.symbol), e.index);
        if (isLetterFlag(e.index)) {
            ASSERT_EQ(e.keyCaption.size(), 2u);
            EXPECT_EQ(e.keyCaption[0], e.symbol);
            EXPECT_EQ(e.keyCaption[1], e.symbol - 'A' + 'a');
        } else {
            EXPECT_EQ(e.keyCaption, std::string_view(&e.symbol, 1));
        }
        EXPECT_TRUE(names.insert(e.phoneticName).second) << e.phoneticName;
    }
    EXPECT_EQ(flagEntry(2).phoneticName, "Чарли или Шарли");
    EXPECT_EQ(flagEntry(20).phoneticName, "Юниформ или Униформ");
    EXPECT_EQ(flagEntry(16).phoneticName, "Кэбэк");
    EXPECT_EQ(flagEntry(35).phoneticName, "Надазэро");
}
