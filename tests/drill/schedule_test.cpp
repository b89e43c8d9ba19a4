// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule as a learner lives it: one card answered in session after
// session on a clock moved by hand. A card climbs only when it was due, and
// it counts as learned only once it was answered right a week or more after
// the answer that moved it up before.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "asking/manual_clock.h"
#include "drill/drill_session.h"
#include "drill/leitner_boxes.h"

namespace mss::drill {
namespace {

using asking::AskMode;
using asking::SignalSet;

using namespace std::chrono_literals;
using asking::testing::ManualClock;

const CardKey kCard{SignalSet::Flags, AskMode::RecogniseFlag, "K"};

// One answer: how long after the one before it (the first one after the
// test's start), and whether it was right.
struct Step {
    std::chrono::seconds after;
    bool right = true;
};

Step right(std::chrono::seconds after) { return {after, true}; }
Step wrong(std::chrono::seconds after) { return {after, false}; }

std::vector<Step> times(int count, Step step) { return std::vector<Step>(static_cast<std::size_t>(count), step); }

std::vector<Step> then(std::vector<Step> first, const std::vector<Step>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// From a new card to box 5: right at once, then right each time the card
// falls due (10 minutes, 1, 3 and 7 days after the answer before).
const std::vector<Step> kSpacedToLearned = {right(0s), right(10min), right(24h), right(72h), right(168h)};

struct HistoryCase {
    const char* name;
    std::vector<Step> steps;
    int box;
    bool learned;
    // When the card comes again, counted from the last answer.
    std::chrono::seconds dueAfterLast;
};

TEST(Schedule, ACardClimbsOnlyWhenDueAndIsLearnedOnlyAWeekApart) {
    const HistoryCase cases[] = {
        {"answer right 8 times in one minute: still at the first step", times(8, right(7s)), 1, false, 10min - 49s},
        {"right at once, then after 10 minutes, 1 day, 3 days and 7 days: learned", kSpacedToLearned, 5, true,
         21 * 24h},
        {"the same with the last answer a minute short of 7 days: not learned yet",
         {right(0s), right(10min), right(24h), right(72h), right(168h - 1min)}, 4, false, 1min},
        {"a right answer a minute before due keeps the box and its due time",
         {right(0s), right(10min), right(24h - 1min)}, 2, false, 1min},
        {"at the due time to the second: up",
         {right(0s), right(10min), right(24h)}, 3, false, 72h},
        {"waiting far longer than due still climbs one box", {right(0s), right(90 * 24h)}, 2, false, 24h},
        {"an early right answer between two due ones changes nothing",
         then({right(0s), right(10min), right(24h), right(72h)}, {right(48h), right(120h)}), 5, true, 21 * 24h},
        {"a wrong answer when learned: back to the first box, due at once",
         then(kSpacedToLearned, {wrong(1h)}), 0, false, 0s},
        {"wrong, then right at once: the first step again", then(kSpacedToLearned, {wrong(30 * 24h), right(5s)}), 1,
         false, 10min},
        {"learned again only by climbing the whole way", then(then(kSpacedToLearned, {wrong(21 * 24h)}),
                                                              {right(1s), right(10min), right(24h), right(72h)}),
         4, false, 168h},
        {"at the top, the box stays and waits two months",
         then(kSpacedToLearned, {right(21 * 24h), right(60 * 24h)}), kTopBox, true, 60 * 24h},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.name);
        ManualClock time;
        CardStates states;
        std::vector<PastAnswer> history;
        for (const Step& step : c.steps) {
            time.now += step.after;
            DrillSession session({kCard}, states, time.clock());  // one session for each answer
            session.answer(step.right ? "K" : "L", step.right);
            states = session.states();
            history.push_back({time.now, step.right});
        }
        const CardState& state = states.at(kCard);
        EXPECT_EQ(state.box, c.box);
        EXPECT_EQ(isLearned(state.box), c.learned);
        EXPECT_EQ(state.due - time.now, c.dueAfterLast);
        EXPECT_EQ(state.lastAnswered, time.now);
        EXPECT_EQ(replayAnswers(history), state) << "replaying the answers reaches another state";
    }
}

TEST(Schedule, ABoxIsLearnedWhenTheBoxBelowItWaitsAWeekOrMore) {
    const bool expected[kBoxCount] = {false, false, false, false, false, true, true};
    for (int box = kFirstBox; box <= kTopBox; ++box) EXPECT_EQ(isLearned(box), expected[box]) << "box " << box;
    EXPECT_FALSE(isLearned(-1));
    EXPECT_FALSE(isLearned(kBoxCount));
    EXPECT_EQ(kFirstLearnedBox, 5);
}

}  // namespace
}  // namespace mss::drill
