#include <gtest/gtest.h>

#include <set>

#include "codebook/flag_catalogue.h"
#include "signals/keyboards.h"

using namespace mss::signals;

TEST(KeyboardLayout, KeysAreNumberedAsTheFramesNumberThem) {
    struct Case { int command; int frame; const char* caption; int left; int top; };
    const Case cases[] = {
        {1, 1, "1", 1320, 840},      {10, 1, "0", 8160, 840},    {14, 1, "Rr", 3600, 1320},
        {22, 1, "Ss", 2535, 1800},   {36, 1, "Mm", 7200, 2280},  {37, 2, "1", 1320, 840},
        {40, 2, "4", 3600, 840},     {43, 2, "5", 4360, 840},    {59, 2, "Aa", 1800, 1800},
        {74, 2, "Mm", 7200, 2280},   {112, 3, "1", 1320, 840},   {103, 3, "0", 8160, 840},
        {100, 3, "Ee", 2840, 1320},  {92, 3, "Aa", 1800, 1800},  {77, 3, "Mm", 7200, 2280},
        {117, 4, "1", 1320, 840},    {127, 4, "Qq", 1320, 1320}, {152, 4, "Mm", 7200, 2280},
        {41, 1, "О программе", 3600, 2880}, {42, 1, "Выход", 5280, 2880},
        {115, 4, "О программе", 3480, 2880}, {116, 4, "Выход", 5280, 2880},
        {114, 3, "О программе", 3600, 2880}, {113, 3, "Выход", 5280, 2880},
    };
    for (const Case& c : cases) {
        const KeyDefinition* key = keyDefinition(c.command);
        ASSERT_NE(key, nullptr) << c.command;
        EXPECT_EQ(key->frame, c.frame) << c.command;
        EXPECT_EQ(key->caption, c.caption) << c.command;
        EXPECT_EQ(key->left, c.left) << c.command;
        EXPECT_EQ(key->top, c.top) << c.command;
        EXPECT_EQ(key->width, key->role == KeyRole::Flag ? 495 : 1215) << c.command;
        EXPECT_EQ(key->height, 375);
    }
    EXPECT_EQ(keyDefinition(0), nullptr);
    EXPECT_EQ(keyDefinition(153), nullptr);
}

TEST(KeyboardLayout, EveryFrameHasEveryFlagOnceAndTabIndexesAreUnique) {
    std::set<int> tabs;
    std::set<int> commands;
    for (int frame = 1; frame <= 4; ++frame) {
        std::set<int> flags;
        for (const KeyDefinition* key : keysOfFrame(frame)) {
            EXPECT_EQ(key->frame, frame);
            EXPECT_TRUE(commands.insert(key->command).second);
            EXPECT_TRUE(tabs.insert(key->tabOrder).second) << key->command;
            if (key->role == KeyRole::Flag) {
                flags.insert(key->flag);
                EXPECT_EQ(key->caption, mss::codebook::flagEntry(key->flag).keyCaption);
            }
        }
        EXPECT_EQ(flags.size(), 36u);
    }
    EXPECT_EQ(commands.size(), 152u);
    // Frame1's keys run 3..40 in the tab order, Frame4's Exit and About are 207 and 208.
    EXPECT_EQ(keyDefinition(36)->tabOrder, 3);
    EXPECT_EQ(keyDefinition(1)->tabOrder, 38);
    EXPECT_EQ(keyDefinition(42)->tabOrder, 39);
    EXPECT_EQ(keyDefinition(75)->tabOrder, 46);
    EXPECT_EQ(keyDefinition(37)->tabOrder, 48);
    EXPECT_EQ(keyDefinition(77)->tabOrder, 89);
    EXPECT_EQ(keyDefinition(117)->tabOrder, 130);
    EXPECT_EQ(keyDefinition(152)->tabOrder, 165);
    EXPECT_EQ(keyDefinition(116)->tabOrder, 207);
    EXPECT_EQ(keyDefinition(115)->tabOrder, 208);
}

TEST(KeyboardLayout, ExitQuestions) {
    EXPECT_EQ(exitQuestion(1), "Гром и молния! Выходим в море?");
    EXPECT_EQ(exitQuestion(2), "Три тысячи чертей! Уходим в море?!");
    EXPECT_EQ(exitQuestion(3), "Три тысячи чертей! Уходим в море?!");
    EXPECT_EQ(exitQuestion(4), "Три тысячи чертей! Отдать швартовы?!");
}
