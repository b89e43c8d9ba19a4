// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "codebook/flag_catalogue.h"
#include "codebook/signal_flags.h"

using namespace mss::codebook;

namespace {

// The international Morse code of the letters and digits, as the code of
// signals gives it.
constexpr const char* kMorse =
    "A .- B -... C -.-. D -.. E . F ..-. G --. H .... I .. J .--- K -.- L .-.. M -- N -. O --- P .--. "
    "Q --.- R .-. S ... T - U ..- V ...- W .-- X -..- Y -.-- Z --.. 1 .---- 2 ..--- 3 ...-- 4 ....- "
    "5 ..... 6 -.... 7 --... 8 ---.. 9 ----. 0 -----";

}  // namespace

TEST(SignalFlags, MorseOfEveryLetterAndDigitIsTheInternationalCode) {
    std::istringstream pairs(kMorse);
    std::map<char, std::string> morse;
    std::string symbol, code;
    while (pairs >> symbol >> code) morse[symbol.at(0)] = code;
    ASSERT_EQ(morse.size(), 36u);
    for (const auto& [c, expected] : morse) {
        const auto flag = flagIndexOfSymbol(c);
        ASSERT_TRUE(flag.has_value()) << c;
        EXPECT_EQ(signalFlag(*flag).morse, expected) << c;
    }
    EXPECT_EQ(signalFlag(kAnsweringPennant).morse, ".-.-.-") << "the decimal point";
    for (int n = 1; n <= kSubstituteCount; ++n) EXPECT_EQ(signalFlag(substituteFlag(n)).morse, "") << n;
}

TEST(SignalFlags, FortyFlagsWithTheirNames) {
    struct Case {
        int index;
        FlagKind kind;
        const char* shortName;
        const char* fullName;
        const char* spellingWord;
    };
    const Case cases[] = {
        {0, FlagKind::Letter, "A", "флаг A", "Алфа"},
        {12, FlagKind::Letter, "M", "флаг M", "Майк"},
        {26, FlagKind::Numeral, "1", "вымпел 1", "Унауан"},
        {32, FlagKind::Numeral, "7", "вымпел 7", "Сэтэсэвн"},
        {35, FlagKind::Numeral, "0", "вымпел 0", "Надазэро"},
        {36, FlagKind::Substitute, "1-й заменяющий", "1-й заменяющий вымпел", ""},
        {37, FlagKind::Substitute, "2-й заменяющий", "2-й заменяющий вымпел", ""},
        {38, FlagKind::Substitute, "3-й заменяющий", "3-й заменяющий вымпел", ""},
        {39, FlagKind::AnsweringPennant, "ответный вымпел", "ответный вымпел", ""},
    };
    for (const Case& c : cases) {
        const SignalFlag& flag = signalFlag(c.index);
        EXPECT_EQ(flag.kind, c.kind) << c.index;
        EXPECT_EQ(flag.shortName, c.shortName) << c.index;
        EXPECT_EQ(flag.fullName, c.fullName) << c.index;
        EXPECT_EQ(flag.spellingWord, c.spellingWord) << c.index;
    }
    EXPECT_EQ(substituteFlag(2), 37);
    EXPECT_EQ(substituteNumber(38), 3);
    EXPECT_EQ(substituteNumber(35), 0);
    EXPECT_EQ(substituteNumber(kAnsweringPennant), 0);
    EXPECT_EQ(flagOfGroupCharacter('.'), kAnsweringPennant);
    EXPECT_EQ(flagOfGroupCharacter('0'), 35);
    EXPECT_FALSE(flagOfGroupCharacter(',').has_value());
    EXPECT_THROW(signalFlag(40), std::out_of_range);

    std::set<std::string_view> shortNames, fullNames;
    for (const SignalFlag& flag : signalFlags()) {
        EXPECT_TRUE(shortNames.insert(flag.shortName).second) << flag.shortName;
        EXPECT_TRUE(fullNames.insert(flag.fullName).second) << flag.fullName;
        const bool spelled = flag.kind == FlagKind::Letter || flag.kind == FlagKind::Numeral;
        EXPECT_EQ(flag.spellingWord.empty(), !spelled) << flag.index;
    }
}

// The catalogue of the 36 keys reads its spelling words from the table of the
// forty flags: one text, not a copy.
TEST(SignalFlags, CatalogueSpellsEachFlagWithTheTablesOwnWord) {
    for (const FlagEntry& entry : flagCatalogue()) {
        const SignalFlag& flag = signalFlag(entry.index);
        EXPECT_EQ(entry.symbol, flag.symbol);
        EXPECT_EQ(entry.phoneticName.data(), flag.spellingWord.data()) << entry.symbol;
        EXPECT_EQ(entry.phoneticName.size(), flag.spellingWord.size()) << entry.symbol;
    }
}
