// SPDX-License-Identifier: GPL-3.0-or-later
// A learner's message held against the right one, group by group, and a
// group raised flag by flag.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codebook/message/answer_check.h"
#include "codebook/one_set_hoist.h"
#include "codebook/signal_flags.h"

using namespace mss::codebook;
using namespace mss::codebook::message;

TEST(AnswerCheck, EachGroupGetsItsMistake) {
    struct Case {
        const char* expected;
        const char* given;
        Mistake mistake;
        const char* explanation;
    };
    const Case cases[] = {
        {"L6330N", "L6330N", Mistake::None, ""},
        {"L6330N", "L6330", Mistake::MissingHemisphere, "в группе L6330N не хватает N или S: нужно N"},
        {"G02115E", "G02115", Mistake::MissingHemisphere, "в группе G02115E не хватает E или W: нужно E"},
        {"L6330N", "L6330S", Mistake::WrongHemisphere, "нужно N, а не S"},
        {"G02115E", "G02115W", Mistake::WrongHemisphere, "нужно E, а не W"},
        {"L6330N", "L6340N", Mistake::WrongFigure, "после L нужно 6330, а не 6340"},
        {"C045", "C45", Mistake::WrongFigure, "после C нужно 045, а не 45"},
        {"L6330N", "L6340", Mistake::WrongFigure, "после L нужно 6330, а не 6340"},
        {"DI20", "DI2", Mistake::WrongFigure, "после DI нужно 20, а не 2"},
        {"C045", "S045", Mistake::WrongGroup, "нужна группа C045, а не S045"},
        {"EV", "EU", Mistake::WrongGroup, "нужна группа EV, а не EU"},
        // Letters after the figures where none belong are no hemisphere.
        {"C045", "C045N", Mistake::WrongGroup, "нужна группа C045, а не C045N"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> expected{c.expected}, given{c.given};
        const auto verdicts = compareMessages(expected, given);
        ASSERT_EQ(verdicts.size(), 1u);
        EXPECT_EQ(verdicts[0].mistake, c.mistake) << c.expected << " / " << c.given;
        EXPECT_EQ(verdicts[0].explanation, c.explanation) << c.expected << " / " << c.given;
        EXPECT_EQ(verdicts[0].right(), c.mistake == Mistake::None);
    }
}

TEST(AnswerCheck, GroupsAreComparedPlaceByPlace) {
    const std::vector<std::string> expected{"EV", "L6330N", "G02115E", "C045", "S12"};
    const std::vector<std::string> shorter{"EV", "L6330N", "G02115"};
    const auto verdicts = compareMessages(expected, shorter);
    ASSERT_EQ(verdicts.size(), 5u);
    EXPECT_TRUE(verdicts[0].right());
    EXPECT_TRUE(verdicts[1].right());
    EXPECT_EQ(verdicts[2].mistake, Mistake::MissingHemisphere);
    EXPECT_EQ(verdicts[3].mistake, Mistake::MissingGroup);
    EXPECT_EQ(verdicts[4].group, 4u);
    EXPECT_EQ(verdicts[4].explanation, "не хватает группы S12");
    const std::vector<std::string> longer{"EV", "L6330N", "G02115E", "C045", "S12", "S12"};
    const auto extra = compareMessages(expected, longer);
    ASSERT_EQ(extra.size(), 6u);
    EXPECT_EQ(extra[5].mistake, Mistake::ExtraGroup);
    EXPECT_TRUE(extra[5].expected.empty());
}

TEST(AnswerCheck, ARaisedGroupNamesASubstituteOutOfPlace) {
    const int L = *flagIndexOfSymbol('L'), two = *flagIndexOfSymbol('2'), three = *flagIndexOfSymbol('3'),
              zero = *flagIndexOfSymbol('0');
    struct Case {
        std::vector<int> flags;
        Mistake mistake;
        const char* explanation;  // nullptr: not checked
    };
    const Case cases[] = {
        // L2330 is L, 2, 3, 2nd substitute, 0.
        {{L, two, three, substituteFlag(2), zero}, Mistake::None, ""},
        {{L, two, three, substituteFlag(1), zero},
         Mistake::SubstituteMisplaced,
         "4-м сверху нужен 2-й заменяющий вымпел, а поднят 1-й заменяющий вымпел"},
        {{L, two, three, three, zero},
         Mistake::SubstituteMisplaced,
         "4-м сверху нужен 2-й заменяющий вымпел, а поднят вымпел 3"},
        {{L, two, three, substituteFlag(2)}, Mistake::WrongFigure, nullptr},
        {{substituteFlag(1), two}, Mistake::NoHoist, nullptr},
    };
    for (const Case& c : cases) {
        const GroupVerdict v = judgeRaisedGroup("L2330", c.flags);
        EXPECT_EQ(v.mistake, c.mistake) << ::testing::PrintToString(c.flags) << ": " << v.explanation;
        if (c.explanation) {
            EXPECT_EQ(v.explanation, c.explanation);
        }
        EXPECT_EQ(v.expected, "L2330");
    }
}
