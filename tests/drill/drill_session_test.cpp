// SPDX-License-Identifier: GPL-3.0-or-later
// A session: answers move cards between boxes at most one box up per
// session, the mistakes can be asked again, and the tally keeps the score.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drill/drill_session.h"
#include "drill/leitner_boxes.h"
#include "manual_clock.h"

namespace mss::drill {
namespace {

using namespace std::chrono_literals;
using testing::ManualClock;

CardKey flag(const std::string& symbol) { return {DrillSet::Flags, DrillMode::RecogniseFlag, symbol}; }

struct RepeatCase {
    const char* name;
    std::optional<int> boxBefore;  // empty: a new card
    const char* answers;           // 'R' right, 'W' wrong, one per asking of the same card
    int boxAfter;
};

TEST(DrillSession, ACardMovesUpAtMostOnceInASession) {
    const RepeatCase cases[] = {
        {"right twice moves up once", 2, "RR", 3},
        {"right three times from the first box", 0, "RRR", 1},
        {"a new card right twice", std::nullopt, "RR", 1},
        {"wrong, then right on the repeat: up from the first box", 3, "WR", 1},
        {"right, wrong, right: the wrong answer wins", 2, "RWR", 0},
        {"wrong twice", 5, "WW", 0},
        {"right on top stays on top", kTopBox, "RR", kTopBox},
        {"right then wrong", 4, "RW", 0},
    };
    for (const RepeatCase& c : cases) {
        SCOPED_TRACE(c.name);
        ManualClock time;
        CardStates states;
        if (c.boxBefore) states[flag("K")] = CardState{*c.boxBefore, time.now - 1h, time.now - 48h};
        const std::string answers = c.answers;
        DrillSession session(std::vector<CardKey>(answers.size(), flag("K")), states, time.clock());
        Answer last;
        for (char a : answers) {
            time.now += 1min;
            last = session.answer(a == 'R' ? "K" : "L", a == 'R');
        }
        EXPECT_TRUE(session.finished());
        EXPECT_EQ(last.stateAfter.box, c.boxAfter);
        EXPECT_EQ(last.stateAfter.due, time.now + delayOfBox(c.boxAfter));
        EXPECT_EQ(session.states().at(flag("K")), last.stateAfter);
    }
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
