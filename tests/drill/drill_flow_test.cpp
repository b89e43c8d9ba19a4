// SPDX-License-Identifier: GPL-3.0-or-later
// The learner at the drill without a window: sessions of each set and mode,
// the rules of typing an answer, what every answer leaves in the keeper, the
// summary and the way through the progress view. The questions come in an
// order fixed by one seed, named in every failure.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "asking/manual_clock.h"
#include "codebook/signal_flags.h"
#include "drill/drill_flow.h"
#include "memory_keeper.h"
#include "support/shipped_book.h"

namespace mss::drill {
namespace {

using asking::AskMode;
using asking::HoistOfSignal;
using asking::kAllModes;
using asking::kAllSets;
using asking::Keeping;
using asking::mayType;
using asking::seededRandomSource;
using asking::Signal;
using asking::SignalSet;

using mss::testing::shippedBook;
using Stage = DrillFlow::Stage;

constexpr std::uint64_t kSeed = 19650611;

struct Drill {
    asking::testing::ManualClock time;
    testing::MemoryKeeper keeper;
    DrillFlow flow{shippedBook(), keeper, time.clock(), seededRandomSource(kSeed)};

    std::string where() const {
        std::string s = "seed " + std::to_string(kSeed);
        if (flow.question().signal) s += ", asking " + flow.question().signal->code;
        return s;
    }

    // Answers the question in hand rightly, as a learner would: naming the
    // letters and digits of a hoist, or putting up its flags as flown.
    void answerRightly() {
        const HoistOfSignal& hoist = flow.question().hoist;
        if (flow.choice().mode == AskMode::Meaning) return flow.pick(flow.question().rightChoice);
        if (flow.choice().mode == AskMode::Compose || flow.choice().set == SignalSet::Flags) {
            for (std::size_t i = hoist.medicalM ? 1 : 0; i < hoist.flown.size(); ++i) flow.raise(hoist.flown[i]);
        } else {
            for (char symbol : hoist.flags) flow.type(symbol);
        }
        if (flow.stage() == Stage::Asking) flow.enter();
    }
    // Answers it wrongly: another meaning, or flags of no signal of the set.
    void answerWrongly() {
        if (flow.choice().mode == AskMode::Meaning)
            return flow.pick((flow.question().rightChoice + 1) % flow.question().choices.size());
        std::string flags = flow.question().hoist.flags;
        if (flow.choice().set == SignalSet::Flags) flags = flags == "Q" ? "R" : "Q";
        for (char c : std::string("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"))
            if (mayType(flow.choice().set, c) && c != flags.back() && flags.find(c) == std::string::npos) {
                flags.back() = c;
                break;
            }
        for (char symbol : flags) flow.type(symbol);
        if (flow.stage() == Stage::Asking) flow.enter();
    }
};

TEST(DrillFlow, OpensOnTheFlagsTheFirstTimeAndOnTheChoiceDrilledLastAfter) {
    Drill d;
    d.flow.open();
    EXPECT_EQ(d.flow.choice(), DrillChoice{});
    EXPECT_EQ(d.flow.stage(), Stage::Asking);
    EXPECT_EQ(d.flow.questionNumber(), 1);
    EXPECT_EQ(d.flow.questionCount(), kQuestionsPerSession);

    const DrillChoice general{SignalSet::General, AskMode::Compose, 'C'};
    d.flow.choose(general);
    d.answerRightly();
    Drill again;
    again.keeper.answers = d.keeper.answers;
    again.flow.open();
    EXPECT_EQ(again.flow.choice(), general) << "the letter is remembered with the set and mode";
    for (int i = 0; i < 5 && again.flow.stage() == Stage::Asking; ++i) {
        EXPECT_EQ(again.flow.question().signal->code.front(), 'C') << again.where();
        again.answerRightly();
        again.flow.next();
    }
}

TEST(DrillFlow, EverySetAndModeTakesItsRightAnswerAndRefusesAWrongOne) {
    for (SignalSet set : kAllSets)
        for (AskMode mode : kAllModes) {
            Drill d;
            d.flow.choose({set, mode, 0});
            const std::string what = describe({set, mode, ""}) + ", " + d.where();
            ASSERT_EQ(d.flow.stage(), Stage::Asking) << what;
            const std::string asked = d.flow.question().signal->code;
            d.answerRightly();
            ASSERT_EQ(d.flow.stage(), Stage::Answered) << what;
            EXPECT_TRUE(d.flow.outcome()->correct) << what;
            EXPECT_EQ(d.flow.outcome()->asked->code, asked) << what;
            EXPECT_EQ(d.keeper.answers.back().answer.card.code, asked) << what;
            d.flow.enter();  // Enter goes on
            ASSERT_EQ(d.flow.stage(), Stage::Asking) << what;
            d.answerWrongly();
            ASSERT_EQ(d.flow.stage(), Stage::Answered) << what;
            EXPECT_FALSE(d.flow.outcome()->correct) << what;
            EXPECT_EQ(d.flow.tally().asked, 2) << what;
            EXPECT_EQ(d.flow.tally().right, 1) << what;
        }
}

TEST(DrillFlow, TypingFollowsTheRulesOfTheSet) {
    struct Case {
        SignalSet set;
        AskMode mode;
        const char* keys;
        const char* shown;     // the flags up, as the learner reads them
        bool judged;           // answered without Enter
        bool full = false;     // the last key found every place taken
    };
    const Case cases[] = {
        // M stands up already; digits do not count in the medical section,
        // and a second A cannot go up: one set has one A.
        {SignalSet::Medical, AskMode::Compose, "A1A", "M, A", false},
        // The M stands before anything is typed, and a second M is refused.
        {SignalSet::Medical, AskMode::Compose, "", "M", false},
        {SignalSet::Medical, AskMode::Compose, "M", "M", false},
        // Letters and digits named as the learner reads them.
        {SignalSet::Medical, AskMode::RecogniseFlag, "A1A", "MAA", false},
        {SignalSet::Medical, AskMode::RecogniseFlag, "", "M", false},
        {SignalSet::Medical, AskMode::RecogniseFlag, "AAB", "MAA", false, true},
        // Only a digit counts for a table; one digit replaces another.
        {SignalSet::Tables, AskMode::Compose, "A35", "5", false},
        // Three flags at most in the general section: a fourth is refused as such.
        {SignalSet::General, AskMode::Compose, "AE12", "A, E, 1", false, true},
        {SignalSet::General, AskMode::Compose, "AE1", "A, E, 1", false, false},
        // One flag to name: judged at once.
        {SignalSet::Flags, AskMode::RecogniseFlag, "Q", "Q", true},
    };
    for (const Case& c : cases) {
        Drill d;
        d.flow.choose({c.set, c.mode, 0});
        if (c.set == SignalSet::Medical && c.mode == AskMode::RecogniseFlag) d.flow.drillThese({"MAB"});
        for (const char* k = c.keys; *k; ++k) d.flow.type(*k);
        const std::string what = describe({c.set, c.mode, c.keys}) + ", " + d.where();
        EXPECT_EQ(d.flow.stage() == Stage::Answered, c.judged) << what;
        if (!c.judged) {
            EXPECT_EQ(d.flow.typed().shown(), c.shown) << what;
            EXPECT_EQ(d.flow.typed().refusedAsFull(), c.full) << what;
        }
    }
}

TEST(DrillFlow, AComposedHoistIsOneSetsWithItsSubstitutes) {
    using codebook::substituteFlag;
    struct Case {
        SignalSet set;
        const char* code;
        std::vector<int> flags;  // put up in this order
        bool right;
    };
    const int A = 0, B = 1, E = 4, M = 12, one = 26;
    const Case cases[] = {
        {SignalSet::General, "AA", {A, substituteFlag(1)}, true},
        {SignalSet::General, "BB1", {B, substituteFlag(1), one}, true},
        {SignalSet::Medical, "MAA", {A, substituteFlag(2)}, true},
        {SignalSet::Medical, "MMA", {substituteFlag(1), A}, true},
        // Refused flags do not go up: A twice leaves only one A, a wrong answer.
        {SignalSet::General, "AA", {A, A}, false},
        {SignalSet::General, "AE", {A, E}, true},
        {SignalSet::General, "AE", {A, E, substituteFlag(3)}, true},  // no third letter to repeat: refused
    };
    for (const Case& c : cases) {
        Drill d;
        d.flow.choose({c.set, AskMode::Compose, 0});
        d.flow.drillThese({c.code});
        for (int flag : c.flags) d.flow.raise(flag);
        d.flow.enter();
        ASSERT_EQ(d.flow.stage(), Stage::Answered) << c.code;
        EXPECT_EQ(d.flow.outcome()->correct, c.right) << c.code << " given " << d.flow.outcome()->given;
    }
    Drill d;
    d.flow.choose({SignalSet::General, AskMode::Compose, 0});
    d.flow.drillThese({"AA"});
    EXPECT_TRUE(d.flow.raise(A));
    EXPECT_FALSE(d.flow.raise(A));
    ASSERT_TRUE(d.flow.typed().refusal());
    EXPECT_EQ(d.flow.typed().refusal()->problem, codebook::HoistProblem::FlagTwice);
    EXPECT_TRUE(d.flow.raise(substituteFlag(1)));
    EXPECT_FALSE(d.flow.typed().refusal());
    EXPECT_EQ(d.flow.typed().shown(), "A, 1-й заменяющий");
    (void)M;
}

TEST(DrillFlow, TheFlagsSetAsksAllFortyFlagsBySight) {
    Drill d;
    EXPECT_EQ(d.flow.signalsIn(SignalSet::Flags).size(), 40u);
    d.flow.choose({SignalSet::Flags, AskMode::RecogniseFlag, 0});
    d.flow.drillThese({"2-й заменяющий", "ответный вымпел"});
    EXPECT_EQ(d.flow.question().hoist.flown, std::vector<int>{codebook::substituteFlag(2)});
    d.flow.raise(codebook::substituteFlag(2));
    ASSERT_EQ(d.flow.stage(), Stage::Answered) << "one flag is judged at once";
    EXPECT_TRUE(d.flow.outcome()->correct);
    d.flow.next();
    d.flow.raise(codebook::substituteFlag(1));
    EXPECT_FALSE(d.flow.outcome()->correct);
    EXPECT_EQ(d.flow.outcome()->given, "1-й заменяющий");
}

TEST(DrillFlow, AHoistOfSeveralFlagsIsJudgedOnEnterOnly) {
    Drill d;
    d.flow.choose({SignalSet::General, AskMode::RecogniseFlag, 0});
    const std::string flags = d.flow.question().hoist.flags;
    for (char symbol : flags) d.flow.type(symbol);
    EXPECT_EQ(d.flow.stage(), Stage::Asking) << "every flag named, but no Enter yet; " << d.where();
    EXPECT_FALSE(d.flow.type('Z')) << "no more flags than the hoist has";
    EXPECT_TRUE(d.flow.takeBack());
    EXPECT_EQ(d.flow.typed().hoist().flags, flags.substr(0, flags.size() - 1));
    d.flow.type(flags.back());
    d.flow.enter();
    EXPECT_EQ(d.flow.stage(), Stage::Answered);
    EXPECT_TRUE(d.flow.outcome()->correct) << d.where();
}

TEST(DrillFlow, AnswersAreKeptWithOneSessionNumberAndWhatTheKeeperSaid) {
    Drill d;
    d.keeper.keeping = Keeping::Pending;
    d.flow.choose({SignalSet::SingleLetter, AskMode::Meaning, 0});
    d.answerRightly();
    EXPECT_EQ(d.flow.outcome()->keeping, Keeping::Pending);
    d.flow.next();
    d.answerWrongly();
    d.flow.choose({SignalSet::Tables, AskMode::Compose, 0});
    d.answerRightly();
    ASSERT_EQ(d.keeper.answers.size(), 3u);
    EXPECT_EQ(d.keeper.answers[0].session, d.keeper.answers[1].session);
    EXPECT_NE(d.keeper.answers[1].session, d.keeper.answers[2].session) << "a new choice is a new session";
    EXPECT_EQ(d.keeper.answers[2].answer.card.code.substr(0, 1), "I") << "a table's digit is kept as its row";
}

TEST(DrillFlow, ASessionEndsInItsSummaryAndRepeatsExactlyItsMistakes) {
    Drill d;
    d.flow.choose({SignalSet::Flags, AskMode::Compose, 0});
    std::set<std::string> missed;
    for (int i = 0; i < kQuestionsPerSession; ++i) {
        ASSERT_EQ(d.flow.stage(), Stage::Asking) << d.where();
        if (i % 4 == 0) {
            missed.insert(d.flow.question().signal->code);
            d.answerWrongly();
        } else {
            d.answerRightly();
        }
        d.flow.next();
    }
    ASSERT_EQ(d.flow.stage(), Stage::Summary);
    DrillSummary summary = d.flow.summary();
    EXPECT_EQ(summary.tally.asked, kQuestionsPerSession);
    EXPECT_EQ(summary.tally.right, kQuestionsPerSession - 5);
    ASSERT_EQ(summary.mistakes.size(), 5u);

    d.flow.repeatMistakes();
    EXPECT_EQ(d.flow.questionNumber(), 1) << "the repeat counts its own questions";
    EXPECT_EQ(d.flow.questionCount(), 5);
    std::set<std::string> asked;
    while (d.flow.stage() == Stage::Asking) {
        asked.insert(d.flow.question().signal->code);
        d.answerRightly();
        d.flow.next();
    }
    EXPECT_EQ(asked, missed);
    EXPECT_EQ(d.flow.stage(), Stage::Summary);
    EXPECT_TRUE(d.flow.summary().mistakes.empty()) << "the repeat's own round had no mistake";
}

TEST(DrillFlow, StoppingEarlySummarisesOnlyTheAnswersGiven) {
    Drill d;
    d.flow.choose({SignalSet::General, AskMode::Meaning, 0});
    d.flow.finish();
    EXPECT_EQ(d.flow.stage(), Stage::Summary);
    EXPECT_EQ(d.flow.summary().tally.asked, 0);

    d.flow.choose({SignalSet::General, AskMode::Meaning, 0});
    d.answerWrongly();
    d.flow.finish();
    EXPECT_EQ(d.flow.stage(), Stage::Summary);
    EXPECT_EQ(d.flow.summary().tally.asked, 1);
    d.flow.repeatMistakes();
    EXPECT_EQ(d.flow.questionCount(), 1) << "only the mistake is asked again";
    EXPECT_EQ(d.flow.questionNumber(), 1);
}

TEST(DrillFlow, TheProgressViewReturnsWhereTheLearnerWas) {
    Drill d;
    d.flow.choose({SignalSet::General, AskMode::Compose, 0});
    d.flow.type('A');
    d.flow.showProgress();
    EXPECT_EQ(d.flow.stage(), Stage::Progress);
    EXPECT_FALSE(d.flow.type('B')) << "no typing behind the progress view";
    d.flow.leaveProgress();
    EXPECT_EQ(d.flow.stage(), Stage::Asking);
    EXPECT_TRUE(d.flow.typed().empty()) << "the question is asked anew";

    d.answerRightly();
    d.flow.showProgress();
    d.flow.leaveProgress();
    EXPECT_EQ(d.flow.stage(), Stage::Answered) << "the answer stays on view";
}

TEST(DrillFlow, WhenNothingIsDueItSaysSoAndReviewsEarlyWithoutMovingUp) {
    Drill d;
    const DrillChoice single{SignalSet::SingleLetter, AskMode::Compose, 0};
    // Every single-letter signal answered right a minute ago: none is due, none is new.
    for (const Signal& s : d.flow.signalsIn(SignalSet::SingleLetter))
        d.keeper.setState({single.set, single.mode, s.code}, {2, d.time.now + std::chrono::hours(24), d.time.now});
    d.flow.choose(single);
    ASSERT_EQ(d.flow.stage(), Stage::NothingToAsk);
    EXPECT_TRUE(d.flow.poolStatus().nothingToAsk());
    EXPECT_EQ(d.flow.poolStatus().waiting, 25u);
    EXPECT_EQ(d.flow.poolStatus().nextDue, d.time.now + std::chrono::hours(24));

    d.flow.reviewEarly();
    ASSERT_EQ(d.flow.stage(), Stage::Asking);
    EXPECT_TRUE(d.flow.reviewingEarly());
    EXPECT_EQ(d.flow.questionCount(), kQuestionsPerSession);
    for (int i = 0; i < 3; ++i) {
        d.time.now += std::chrono::minutes(1);
        d.answerRightly();
        EXPECT_TRUE(d.flow.outcome()->correct) << d.where();
        EXPECT_EQ(d.keeper.answers.back().answer.stateAfter.box, 2) << "a right answer before its time keeps the box";
        d.flow.next();
    }
}

TEST(DrillFlow, DrillsExactlyTheSignalsItIsGiven) {
    Drill d;
    d.flow.choose({SignalSet::General, AskMode::Meaning, 0});
    d.flow.drillThese({"NC", "ZZ9", "AE1"});  // ZZ9 is no signal of the book
    std::vector<std::string> asked;
    while (d.flow.stage() == Stage::Asking) {
        asked.push_back(d.flow.question().signal->code);
        d.answerRightly();
        d.flow.next();
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"NC", "AE1"}));
    EXPECT_EQ(d.flow.stage(), Stage::Summary);
}

// The mistakes of an exam ticket: each asked as the ticket asked it, and
// recorded as a card of its own set and mode.
TEST(DrillFlow, DrillsGivenTopicsEachInItsOwnSetAndMode) {
    Drill d;
    d.flow.open();
    const std::vector<asking::Topic> topics = {
        {SignalSet::General, AskMode::Compose, "AE1"}, {SignalSet::Flags, AskMode::RecogniseFlag, "E"},
        {SignalSet::General, AskMode::Compose, "ZZ9"},  // no signal of the book
        {SignalSet::Medical, AskMode::Meaning, "MAA"}, {SignalSet::SingleLetter, AskMode::Meaning, "V"},
    };
    d.flow.drillTopics(topics);
    EXPECT_EQ(d.flow.choice(), (DrillChoice{SignalSet::General, AskMode::Compose, 0}));
    EXPECT_EQ(d.flow.questionCount(), 4);
    std::vector<asking::Topic> asked;
    while (d.flow.stage() == Stage::Asking) {
        const asking::Question& q = d.flow.question();
        asked.push_back({q.set, q.mode, q.signal->code});
        if (q.mode == AskMode::Meaning) {
            d.flow.pick(q.rightChoice);
        } else {
            for (std::size_t i = q.hoist.medicalM ? 1 : 0; i < q.hoist.flown.size(); ++i)
                d.flow.raise(q.hoist.flown[i]);
            if (d.flow.stage() == Stage::Asking) d.flow.enter();
        }
        ASSERT_EQ(d.flow.stage(), Stage::Answered) << d.where();
        EXPECT_TRUE(d.flow.outcome()->correct) << d.where();
        d.flow.next();
    }
    EXPECT_EQ(asked, (std::vector<asking::Topic>{topics[0], topics[1], topics[3], topics[4]}));
    ASSERT_EQ(d.keeper.answers.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(d.keeper.answers[i].answer.card.set, asked[i].set);
        EXPECT_EQ(d.keeper.answers[i].answer.card.mode, asked[i].mode);
        EXPECT_EQ(d.keeper.answers[i].answer.card.code, asked[i].code);
    }
}

}  // namespace
}  // namespace mss::drill
