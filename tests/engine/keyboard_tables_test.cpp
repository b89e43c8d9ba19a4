// SPDX-License-Identifier: GPL-3.0-or-later
// The four keyboards as tables: every flag once on each, in the rows of a
// typewriter, and the window's control name of every key.

#include <gtest/gtest.h>

#include <set>

#include "codebook/flag_catalogue.h"
#include "engine/keyboards.h"
#include "engine/window_names.h"

using namespace mss::engine;

TEST(KeyboardTables, EveryKeyboardHasEveryFlagOnceThenAboutAndExit) {
    for (Keyboard keyboard : kKeyboards) {
        const auto keys = keysOf(keyboard);
        ASSERT_EQ(keys.size(), 38u);
        std::set<int> flags;
        std::string readingOrder;
        for (std::size_t i = 0; i < 36; ++i) {
            EXPECT_EQ(keys[i].id.keyboard, keyboard);
            EXPECT_EQ(keys[i].id.role, KeyRole::Flag);
            flags.insert(keys[i].id.flag);
            EXPECT_EQ(keys[i].caption, mss::codebook::flagEntry(keys[i].id.flag).keyCaption);
            readingOrder += mss::codebook::symbolOfFlag(keys[i].id.flag);
            EXPECT_EQ(&definitionOf(keys[i].id), &keys[i]);
        }
        EXPECT_EQ(flags.size(), 36u);
        EXPECT_EQ(readingOrder, "1234567890QWERTYUIOPASDFGHJKLZXCVBNM");
        EXPECT_EQ(keys[36].id, KeyId::about(keyboard));
        EXPECT_EQ(keys[36].caption, "О программе");
        EXPECT_EQ(keys[37].id, KeyId::exit(keyboard));
        EXPECT_EQ(keys[37].caption, "Выход");
        EXPECT_TRUE(keys[36].steps.view().empty());
    }
    EXPECT_EQ(flagKey(Keyboard::FirstFlag, 'E'), KeyId::flagKey(Keyboard::FirstFlag, 4));
    EXPECT_EQ(flagKey(Keyboard::ThirdLetter, '0'), KeyId::flagKey(Keyboard::ThirdLetter, 35));
    EXPECT_FALSE(flagKey(Keyboard::SingleLetter, 'a').has_value());
}

TEST(KeyboardTables, KeysCarryTheWindowsCommandNumbers) {
    struct Case { int command; Keyboard keyboard; KeyRole role; char symbol; };
    const Case cases[] = {
        {1, Keyboard::SingleLetter, KeyRole::Flag, '1'},    {10, Keyboard::SingleLetter, KeyRole::Flag, '0'},
        {14, Keyboard::SingleLetter, KeyRole::Flag, 'R'},   {22, Keyboard::SingleLetter, KeyRole::Flag, 'S'},
        {36, Keyboard::SingleLetter, KeyRole::Flag, 'M'},   {37, Keyboard::FirstFlag, KeyRole::Flag, '1'},
        {40, Keyboard::FirstFlag, KeyRole::Flag, '4'},      {43, Keyboard::FirstFlag, KeyRole::Flag, '5'},
        {59, Keyboard::FirstFlag, KeyRole::Flag, 'A'},      {74, Keyboard::FirstFlag, KeyRole::Flag, 'M'},
        {112, Keyboard::SecondLetter, KeyRole::Flag, '1'},  {103, Keyboard::SecondLetter, KeyRole::Flag, '0'},
        {100, Keyboard::SecondLetter, KeyRole::Flag, 'E'},  {92, Keyboard::SecondLetter, KeyRole::Flag, 'A'},
        {77, Keyboard::SecondLetter, KeyRole::Flag, 'M'},   {117, Keyboard::ThirdLetter, KeyRole::Flag, '1'},
        {127, Keyboard::ThirdLetter, KeyRole::Flag, 'Q'},   {152, Keyboard::ThirdLetter, KeyRole::Flag, 'M'},
        {41, Keyboard::SingleLetter, KeyRole::About, 0},    {42, Keyboard::SingleLetter, KeyRole::Exit, 0},
        {75, Keyboard::FirstFlag, KeyRole::About, 0},       {76, Keyboard::FirstFlag, KeyRole::Exit, 0},
        {114, Keyboard::SecondLetter, KeyRole::About, 0},   {113, Keyboard::SecondLetter, KeyRole::Exit, 0},
        {115, Keyboard::ThirdLetter, KeyRole::About, 0},    {116, Keyboard::ThirdLetter, KeyRole::Exit, 0},
    };
    for (const Case& c : cases) {
        const KeyId want = c.role == KeyRole::Flag ? *flagKey(c.keyboard, c.symbol)
                           : c.role == KeyRole::About ? KeyId::about(c.keyboard)
                                                      : KeyId::exit(c.keyboard);
        EXPECT_EQ(keyOfCommand(c.command), want) << c.command;
        EXPECT_EQ(commandNumber(want), c.command) << c.command;
    }
    // Every number from 1 to 152 is one key, and every key has one number.
    std::set<int> numbers;
    for (Keyboard keyboard : kKeyboards)
        for (const KeyDefinition& key : keysOf(keyboard)) EXPECT_TRUE(numbers.insert(commandNumber(key.id)).second);
    EXPECT_EQ(numbers.size(), 152u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 152);
    for (int outside : {0, 153, -1}) EXPECT_FALSE(keyOfCommand(outside).has_value());
}

TEST(KeyboardTables, SectionsTimersAndElementsCarryTheirControlNames) {
    EXPECT_EQ(sectionOfOption(1), Section::SingleLetter);
    EXPECT_EQ(sectionOfOption(6), Section::TableIII);
    EXPECT_FALSE(sectionOfOption(7).has_value());
    EXPECT_EQ(optionNumber(Section::Medical), 3);
    EXPECT_EQ(timerOfNumber(3), SlideTimer::Third);
    EXPECT_FALSE(timerOfNumber(0).has_value());
    EXPECT_EQ(nameOf(Element::ThirdLetterKeyboard), "Frame4");
    EXPECT_EQ(nameOf(Element::GeneralJToQList), "Combo2(1)");
    EXPECT_EQ(nameOf(Element::ComplementsList), "Combo4");
    EXPECT_EQ(nameOf(Element::FirstFlagPosition), "Picture1");
    EXPECT_EQ(nameOf(Element::MedicalFlagM), "Picture5");
    EXPECT_EQ(nameOf(Element::TablesNote), "Label1");
    EXPECT_EQ(nameOf(HoistPosition::Third), "Picture3");
}
