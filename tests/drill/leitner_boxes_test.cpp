// SPDX-License-Identifier: GPL-3.0-or-later
// The Leitner boxes: where an answer sends a card and when it comes again.

#include <gtest/gtest.h>

#include <optional>

#include "drill/leitner_boxes.h"
#include "manual_clock.h"

namespace mss::drill {
namespace {

using namespace std::chrono_literals;
using testing::kMorning;

TEST(LeitnerBoxes, EachBoxWaitsItsOwnDelay) {
    const std::chrono::seconds expected[kBoxCount] = {0s, 10min, 24h, 72h, 168h, 504h, 1440h};
    for (int box = kFirstBox; box <= kTopBox; ++box)
        EXPECT_EQ(delayOfBox(box), expected[box]) << "box " << box;
}

struct AnswerCase {
    const char* name;
    std::optional<int> boxBefore;  // empty: a new card
    bool correct;
    bool mayMoveUp;
    int boxAfter;
};

TEST(LeitnerBoxes, AnAnswerMovesTheCardAndSetsWhenItComesAgain) {
    const AnswerCase cases[] = {
        {"new card, right", std::nullopt, true, true, 1},
        {"new card, wrong", std::nullopt, false, true, 0},
        {"first box, right", 0, true, true, 1},
        {"box 3, right", 3, true, true, 4},
        {"box 5, right", 5, true, true, 6},
        {"top box, right, stays on top", 6, true, true, 6},
        {"top box, wrong, back to the first", 6, false, true, 0},
        {"box 3, wrong", 3, false, true, 0},
        {"box 3, right again in the session", 3, true, false, 3},
        {"box 3, wrong again in the session", 3, false, false, 0},
        {"new card, right again in the session", std::nullopt, true, false, 0},
    };
    const TimePoint earlier = kMorning - 48h;
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<CardState> before;
        if (c.boxBefore) before = CardState{*c.boxBefore, earlier, earlier - 24h};
        const CardState after = afterAnswer(before, c.correct, kMorning, c.mayMoveUp);
        EXPECT_EQ(after.box, c.boxAfter);
        EXPECT_EQ(after.due, kMorning + delayOfBox(c.boxAfter));
        EXPECT_EQ(after.lastAnswered, kMorning);
    }
}

TEST(LeitnerBoxes, OnlyTheFourthBoxAndAboveCountAsLearned) {
    for (int box = kFirstBox; box <= kTopBox; ++box)
        EXPECT_EQ(isLearned(box), delayOfBox(box) >= 7 * 24h) << "box " << box;
}

}  // namespace
}  // namespace mss::drill
