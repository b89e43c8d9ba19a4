// SPDX-License-Identifier: GPL-3.0-or-later
// The Leitner boxes: where an answer sends a card and when it comes again.

#include <gtest/gtest.h>

#include <optional>

#include "asking/manual_clock.h"
#include "drill/leitner_boxes.h"

namespace mss::drill {
namespace {

using namespace std::chrono_literals;
using asking::testing::kMorning;

TEST(LeitnerBoxes, EachBoxWaitsItsOwnDelay) {
    const std::chrono::seconds expected[kBoxCount] = {0s, 10min, 24h, 72h, 168h, 504h, 1440h};
    for (int box = kFirstBox; box <= kTopBox; ++box)
        EXPECT_EQ(delayOfBox(box), expected[box]) << "box " << box;
}

struct AnswerCase {
    const char* name;
    std::optional<int> boxBefore;  // empty: a new card
    std::chrono::seconds dueFromNow;  // of the card before the answer
    bool correct;
    Review review;
    int boxAfter;
    bool keepsDueTime;  // otherwise due after the wait of `boxAfter`
};

TEST(LeitnerBoxes, AnAnswerMovesTheCardAndSetsWhenItComesAgain) {
    constexpr Review scheduled = Review::Scheduled;
    constexpr Review early = Review::Early;
    const AnswerCase cases[] = {
        {"new card, right", std::nullopt, 0s, true, scheduled, 1, false},
        {"new card, wrong", std::nullopt, 0s, false, scheduled, 0, false},
        {"first box, right", 0, -1h, true, scheduled, 1, false},
        {"box 3, due this very second, right", 3, 0s, true, scheduled, 4, false},
        {"box 3, long overdue, right: one box only", 3, -40 * 24h, true, scheduled, 4, false},
        {"box 5, right", 5, -1s, true, scheduled, 6, false},
        {"top box, right, stays on top", kTopBox, -1h, true, scheduled, kTopBox, false},
        {"box 3, a second before due, right: keeps its box and due time", 3, 1s, true, scheduled, 3, true},
        {"box 1, just answered again, right", 1, 10min, true, scheduled, 1, true},
        {"box 3, not due, wrong: back to the first", 3, 2 * 24h, false, scheduled, 0, false},
        {"top box, due, wrong: back to the first", kTopBox, -1h, false, scheduled, 0, false},
        {"early review, not due, right", 4, 3 * 24h, true, early, 4, true},
        {"early review, a card that fell due meanwhile, right", 2, -1min, true, early, 2, true},
        {"early review, the first box, right", 0, 0s, true, early, 0, true},
        {"early review, wrong: back to the first", 4, 3 * 24h, false, early, 0, false},
        {"early review, new card, right", std::nullopt, 0s, true, early, 0, false},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<CardState> before;
        if (c.boxBefore) before = CardState{*c.boxBefore, kMorning + c.dueFromNow, kMorning - 48h};
        const CardState after = afterAnswer(before, c.correct, kMorning, c.review);
        EXPECT_EQ(after.box, c.boxAfter);
        EXPECT_EQ(after.due, c.keepsDueTime ? before->due : kMorning + delayOfBox(c.boxAfter));
        EXPECT_EQ(after.lastAnswered, kMorning);
    }
}

TEST(LeitnerBoxes, ReplayingNoAnswersLeavesTheCardNew) { EXPECT_EQ(replayAnswers({}), std::nullopt); }

}  // namespace
}  // namespace mss::drill
