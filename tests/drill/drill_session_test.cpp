// SPDX-License-Identifier: GPL-3.0-or-later
// A session: answers move cards between boxes (up only when due, so never
// twice in one session; never in an early review), the mistakes can be asked
// again, and the tally keeps the score.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "asking/manual_clock.h"
#include "drill/drill_session.h"
#include "drill/leitner_boxes.h"

namespace mss::drill {
namespace {

using asking::AskMode;
using asking::SignalSet;
using asking::TimePoint;

using namespace std::chrono_literals;
using asking::testing::ManualClock;

CardKey flag(const std::string& symbol) { return {SignalSet::Flags, AskMode::RecogniseFlag, symbol}; }

struct RepeatCase {
    const char* name;
    std::optional<int> boxBefore;  // empty: a new card
    const char* answers;           // 'R' right, 'W' wrong, one per asking of the same card
    int boxAfter;
    int dueSetBy;  // which answer (from 1) set the due time the card has at the end
};

TEST(DrillSession, AnsweringACardAgainInTheSessionNeverMovesItFurther) {
    const RepeatCase cases[] = {
        {"right twice moves up once", 2, "RR", 3, 1},
        {"right three times from the first box", 0, "RRR", 1, 1},
        {"a new card right twice", std::nullopt, "RR", 1, 1},
        {"wrong, then right on the repeat: up from the first box", 3, "WR", 1, 2},
        {"right, wrong, right: up from the first box", 2, "RWR", 1, 3},
        {"wrong twice", 5, "WW", 0, 2},
        {"right on top stays on top", kTopBox, "RR", kTopBox, 1},
        {"right then wrong", 4, "RW", 0, 2},
    };
    for (const RepeatCase& c : cases) {
        SCOPED_TRACE(c.name);
        ManualClock time;
        CardStates states;
        if (c.boxBefore) states[flag("K")] = CardState{*c.boxBefore, time.now - 1h, time.now - 48h};
        const std::string answers = c.answers;
        DrillSession session(std::vector<CardKey>(answers.size(), flag("K")), states, time.clock());
        const TimePoint start = time.now;
        Answer last;
        for (char a : answers) {
            time.now += 1min;
            last = session.answer(a == 'R' ? "K" : "L", a == 'R');
        }
        EXPECT_TRUE(session.finished());
        EXPECT_EQ(last.stateAfter.box, c.boxAfter);
        EXPECT_EQ(last.stateAfter.due, start + c.dueSetBy * 1min + delayOfBox(c.boxAfter));
        EXPECT_EQ(session.states().at(flag("K")), last.stateAfter);
    }
}

TEST(DrillSession, AnEarlyReviewNeverMovesACardUp) {
    struct Case {
        const char* name;
        int boxBefore;
        std::chrono::seconds dueFromStart;
        const char* answers;  // 'R' right, 'W' wrong, one a minute
        int boxAfter;
    };
    const Case cases[] = {
        {"right, a day before due", 3, 24h, "R", 3},
        {"right several times", 1, 9min, "RRR", 1},
        {"right as the card falls due during the review", 2, 90s, "RR", 2},
        {"wrong: back to the first box", 5, 10 * 24h, "W", 0},
        {"wrong, then right on the repeat: stays in the first box", 4, 2 * 24h, "WR", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ManualClock time;
        const CardState before{c.boxBefore, time.now + c.dueFromStart, time.now - 24h};
        const std::string answers = c.answers;
        DrillSession session(std::vector<CardKey>(answers.size(), flag("K")), {{flag("K"), before}}, time.clock(),
                             Review::Early);
        EXPECT_TRUE(session.earlyReview());
        for (char a : answers) {
            time.now += 1min;
            session.answer(a == 'R' ? "K" : "L", a == 'R');
        }
        const CardState& after = session.states().at(flag("K"));
        EXPECT_EQ(after.box, c.boxAfter);
        if (after.box == c.boxBefore) {
            EXPECT_EQ(after.due, before.due) << "the due time moved";
        }
        EXPECT_EQ(session.tally().right, static_cast<int>(std::count(answers.begin(), answers.end(), 'R')))
            << "right answers count in the score all the same";
    }
    ManualClock time;
    EXPECT_FALSE(DrillSession({flag("K")}, {}, time.clock()).earlyReview()) << "a session is scheduled unless told";
}

TEST(DrillSession, TheNextSessionMovesTheCardUpAgain) {
    ManualClock time;
    CardStates states;
    for (int sessionNumber = 1; sessionNumber <= 3; ++sessionNumber) {
        DrillSession session({flag("Q"), flag("Q")}, states, time.clock());
        session.answer("Q", true);
        session.answer("Q", true);
        states = session.states();
        EXPECT_EQ(states.at(flag("Q")).box, sessionNumber) << "after session " << sessionNumber;
        time.now = states.at(flag("Q")).due;
    }
}

TEST(DrillSession, AnAnswerCarriesTheCardTheTimeAndTheNewState) {
    ManualClock time;
    DrillSession session({flag("A"), flag("B")}, {{flag("B"), CardState{1, time.now, time.now - 10min}}},
                         time.clock());
    EXPECT_EQ(session.currentCard(), flag("A"));
    EXPECT_EQ(session.questionsLeft(), 2u);

    time.now += 5s;
    const Answer first = session.answer("A", true);
    EXPECT_EQ(first.card, flag("A"));
    EXPECT_EQ(first.given, "A");
    EXPECT_TRUE(first.correct);
    EXPECT_EQ(first.at, time.now);
    EXPECT_EQ(first.stateAfter, (CardState{1, time.now + 10min, time.now}));

    time.now += 7s;
    const Answer second = session.answer("Ж", false);
    EXPECT_EQ(second.card, flag("B"));
    EXPECT_EQ(second.given, "Ж");
    EXPECT_EQ(second.stateAfter, (CardState{0, time.now, time.now}));
    EXPECT_TRUE(session.finished());
}

TEST(DrillSession, RepeatingMistakesAsksEachWrongCardOnceMore) {
    ManualClock time;
    DrillSession session({flag("A"), flag("B"), flag("C"), flag("B"), flag("D")}, {}, time.clock());
    for (bool correct : {true, false, false, false, true}) session.answer("?", correct);
    ASSERT_TRUE(session.finished());

    EXPECT_EQ(session.repeatMistakes(), 2u);
    std::vector<CardKey> repeated;
    while (!session.finished()) {
        repeated.push_back(session.currentCard());
        session.answer("?", repeated.back() == flag("B"));  // B right now, C wrong again
    }
    EXPECT_EQ(repeated, (std::vector<CardKey>{flag("B"), flag("C")}));

    EXPECT_EQ(session.repeatMistakes(), 1u) << "only the cards wrong since the last repeat";
    EXPECT_EQ(session.currentCard(), flag("C"));
    session.answer("C", true);
    EXPECT_EQ(session.repeatMistakes(), 0u);
    EXPECT_TRUE(session.finished());
}

TEST(DrillSession, StoppingEarlyDropsTheQuestionsNotAskedAndARepeatAsksOnlyTheMistakes) {
    struct Case {
        const char* name;
        const char* answers;  // 'R' right, 'W' wrong, given before stopping
        std::vector<CardKey> repeated;
    };
    const Case cases[] = {
        {"stopped before the first answer", "", {}},
        {"one wrong, one right", "WR", {flag("A")}},
        {"the wrong ones in the order given", "RWW", {flag("B"), flag("C")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ManualClock time;
        DrillSession session({flag("A"), flag("B"), flag("C"), flag("D"), flag("E")}, {}, time.clock());
        for (const char* a = c.answers; *a; ++a) session.answer("?", *a == 'R');
        session.stopEarly();
        EXPECT_TRUE(session.finished());
        EXPECT_EQ(session.questionsLeft(), 0u);
        EXPECT_EQ(session.repeatMistakes(), c.repeated.size());
        std::vector<CardKey> asked;
        while (!session.finished()) {
            asked.push_back(session.currentCard());
            session.answer("?", true);
        }
        EXPECT_EQ(asked, c.repeated);
        EXPECT_EQ(session.tally().asked, static_cast<int>(std::string(c.answers).size() + c.repeated.size()));
    }
}

TEST(DrillSession, TheTallyCountsAnswersStreaksAndMistakes) {
    ManualClock time;
    const std::vector<CardKey> cards = {flag("A"), flag("B"), flag("C"), flag("D"), flag("E"), flag("F")};
    DrillSession session(cards, {}, time.clock());
    struct Step {
        const char* given;
        bool correct;
        int streakAfter;
    };
    const Step steps[] = {{"A", true, 1}, {"B", true, 2}, {"Д", false, 0}, {"D", true, 1}, {"", false, 0},
                          {"F", true, 1}};
    for (const Step& step : steps) {
        session.answer(step.given, step.correct);
        EXPECT_EQ(session.tally().streak, step.streakAfter) << "after the answer \"" << step.given << '"';
    }
    EXPECT_EQ(session.tally().asked, 6);
    EXPECT_EQ(session.tally().right, 4);
    EXPECT_EQ(session.tally().mistakes, (std::vector<Mistake>{{flag("C"), "Д"}, {flag("E"), ""}}));

    session.repeatMistakes();
    session.answer("C", true);
    session.answer("E", true);
    EXPECT_EQ(session.tally().asked, 8) << "repeats count as questions asked";
    EXPECT_EQ(session.tally().right, 6);
    EXPECT_EQ(session.tally().streak, 3);
    EXPECT_EQ(session.tally().mistakes.size(), 2u) << "a mistake put right stays in the list";
}

}  // namespace
}  // namespace mss::drill
