// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "caption/gradient_table.h"

using namespace mss::caption;

namespace {

std::vector<Colour> filledTable(int upperIndex, Colour start, Colour end) {
    std::vector<Colour> table(static_cast<std::size_t>(upperIndex) + 1);
    EXPECT_TRUE(FillGradientTable(table, start, end));
    return table;
}

}  // namespace

TEST(GradientTable, EntryIIsStartPlusIPlusOneSteps) {
    struct Case {
        const char* what;
        Colour start, end;
        int upperIndex;
        std::vector<std::pair<int, Colour>> expected;  // index, colour
    };
    const Case cases[] = {
        {"black to navy over 100 bands", makeColour(0, 0, 0), makeColour(0, 0, 128), 100,
         {{0, makeColour(0, 0, 1)}, {49, makeColour(0, 0, 64)}, {99, makeColour(0, 0, 128)},
          {100, makeColour(0, 0, 129)}}},
        {"halves round to even: 2.5, 5, 7.5", makeColour(0, 0, 0), makeColour(0, 0, 5), 2,
         {{0, makeColour(0, 0, 2)}, {1, makeColour(0, 0, 5)}, {2, makeColour(0, 0, 8)}}},
        {"halves round to even: 0.5, 1, 1.5", makeColour(0, 0, 0), makeColour(0, 0, 1), 2,
         {{0, makeColour(0, 0, 0)}, {1, makeColour(0, 0, 1)}, {2, makeColour(0, 0, 2)}}},
        {"one step beyond the end is clamped", makeColour(0, 0, 0), makeColour(200, 0, 0), 1,
         {{0, makeColour(200, 0, 0)}, {1, makeColour(255, 0, 0)}}},
        {"downwards, clamped at 0", makeColour(200, 0, 0), makeColour(0, 0, 0), 1,
         {{0, makeColour(0, 0, 0)}, {1, makeColour(0, 0, 0)}}},
        {"each channel on its own", makeColour(10, 20, 30), makeColour(40, 80, 0), 3,
         {{0, makeColour(20, 40, 20)}, {1, makeColour(30, 60, 10)}, {2, makeColour(40, 80, 0)},
          {3, makeColour(50, 100, 0)}}},
        {"bits above blue are ignored", 0xFF000000u, 0x7F050000u, 2,
         {{0, makeColour(0, 0, 2)}, {1, makeColour(0, 0, 5)}, {2, makeColour(0, 0, 8)}}},
    };
    for (const Case& c : cases) {
        const auto table = filledTable(c.upperIndex, c.start, c.end);
        for (const auto& [index, colour] : c.expected)
            EXPECT_EQ(table[index], colour) << c.what << ", entry " << index;
    }
}

TEST(GradientTable, BlackToWhiteEndsWhiteWithoutSpillingIntoAnotherChannel) {
    const int upper = 93;
    const auto table = filledTable(upper, makeColour(0, 0, 0), makeColour(255, 255, 255));
    EXPECT_EQ(table[upper - 1], 0xFFFFFFu);
    EXPECT_EQ(table[upper], 0xFFFFFFu);
    for (int i = 0; i <= upper; ++i) {
        const Colour c = table[i];
        EXPECT_LE(c, 0xFFFFFFu) << i;
        EXPECT_EQ(redOf(c), greenOf(c)) << i;
        EXPECT_EQ(greenOf(c), blueOf(c)) << i;
        if (i > 0) {
            EXPECT_GE(redOf(c), redOf(table[i - 1])) << i;
        }
    }
}

TEST(GradientTable, NoStepCanBeMadeWithUpperIndexZero) {
    std::vector<Colour> single{0xABCDEFu};
    EXPECT_FALSE(FillGradientTable(single, makeColour(0, 0, 0), makeColour(0, 0, 128)));
    EXPECT_EQ(single[0], 0u);

    std::vector<Colour> none;
    EXPECT_FALSE(FillGradientTable(none, makeColour(0, 0, 0), makeColour(0, 0, 128)));
}
