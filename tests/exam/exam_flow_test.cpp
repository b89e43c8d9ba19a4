// SPDX-License-Identifier: GPL-3.0-or-later
// The cadet at the exam from the start page to the history, without a
// window: the stages, «Сдать» pressed twice over unanswered questions, the
// mistakes handed to the drill, and «Случайный билет» drawn from a seed.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "asking/manual_clock.h"
#include "exam/exam_flow.h"
#include "memory_exam_keeper.h"
#include "support/shipped_book.h"

namespace mss::exam {
namespace {

using namespace std::chrono_literals;
using Stage = ExamFlow::Stage;

constexpr std::uint64_t kSeed = 19651101;

struct Exam {
    asking::testing::ManualClock time;
    testing::MemoryExamKeeper keeper;
    ExamFlow flow;

    explicit Exam(std::uint64_t seed = kSeed)
        : flow(mss::testing::shippedBook(), ExamSignals::shipped(), keeper, time.clock(),
               asking::seededRandomSource(seed)) {}

    void start(int number, int length = kTicketQuestions, std::optional<std::chrono::minutes> limit = std::nullopt) {
        flow.choose({number, ExamScope::Basic, length, limit});
        flow.start();
    }
    void answerRightly() {
        const TicketQuestion& q = flow.question();
        if (q.mode == asking::AskMode::Meaning) return flow.pick(q.rightChoice);
        if (q.kind == TaskKind::ReadHoistType) {
            for (char c : q.hoist.flags) flow.type(c);
            return;
        }
        for (std::size_t i = q.hoist.medicalM ? 1 : 0; i < q.hoist.flown.size(); ++i) flow.raise(q.hoist.flown[i]);
    }
    void answerWrongly() {
        const TicketQuestion& q = flow.question();
        if (q.mode == asking::AskMode::Meaning) return flow.pick((q.rightChoice + 1) % q.choices.size());
        for (int flag = 0; flag < 40; ++flag)
            if (std::find(q.hoist.flown.begin(), q.hoist.flown.end(), flag) == q.hoist.flown.end() && flow.raise(flag))
                return;
    }
    // Answers the questions at `places` (rightly, or wrongly where `wrong` holds the place).
    void answer(const std::vector<std::size_t>& places, const std::set<std::size_t>& wrong = {}) {
        for (std::size_t place : places) {
            flow.goTo(place);
            wrong.count(place) ? answerWrongly() : answerRightly();
        }
    }
    std::vector<std::size_t> all() const {
        std::vector<std::size_t> places(flow.questionCount());
        for (std::size_t i = 0; i < places.size(); ++i) places[i] = i;
        return places;
    }
};

TEST(ExamFlow, GoesFromTheStartThroughTheTicketToItsResultsAndTheHistory) {
    Exam e;
    EXPECT_EQ(e.flow.stage(), Stage::Start);
    EXPECT_FALSE(e.flow.hasTicket());
    EXPECT_FALSE(e.flow.running());

    e.start(7, kShortTicketQuestions, 20min);
    ASSERT_EQ(e.flow.stage(), Stage::Answering);
    EXPECT_TRUE(e.flow.running());
    EXPECT_EQ(e.flow.ticket().number, 7);
    EXPECT_EQ(e.flow.questionCount(), std::size_t{kShortTicketQuestions});
    EXPECT_EQ(e.flow.timeLeft(), std::chrono::seconds(20min));
    // The ticket is the one its number, scope and length draw.
    const Ticket drawn = e.flow.chosenTicket();
    ASSERT_EQ(drawn.questions.size(), e.flow.questionCount());
    for (std::size_t i = 0; i < drawn.questions.size(); ++i)
        EXPECT_EQ(drawn.questions[i].signal->code, e.flow.ticket().questions[i].signal->code) << "question " << i + 1;
    // Neither the start nor the history while the ticket is in hand.
    e.flow.showStart();
    e.flow.showHistory();
    EXPECT_EQ(e.flow.stage(), Stage::Answering);

    e.answer(e.all());
    EXPECT_EQ(e.flow.handIn(), HandIn::HandedIn);
    EXPECT_EQ(e.flow.stage(), Stage::Results);
    EXPECT_TRUE(e.flow.finished());
    EXPECT_EQ(e.flow.result().mistakes, 0);
    // Nothing to answer any more.
    EXPECT_FALSE(e.flow.next());
    EXPECT_EQ(e.flow.handIn(), HandIn::Refused);

    e.flow.showHistory();
    ASSERT_EQ(e.flow.stage(), Stage::History);
    ASSERT_EQ(e.flow.pastTickets().size(), 1u);
    EXPECT_EQ(e.flow.pastTickets().front().number, 7);
    EXPECT_FALSE(e.flow.resume(0)) << "a ticket handed in is not taken up again";
    e.flow.showStart();
    EXPECT_EQ(e.flow.stage(), Stage::Start);
    // The result stays to be printed until the next ticket starts.
    EXPECT_TRUE(e.flow.finished());
}

TEST(ExamFlow, ATicketLeftIsTakenUpAgainFromTheHistoryWithItsAnswers) {
    Exam e;
    e.start(5, kTicketQuestions, 10min);
    e.answer({0, 1, 2});
    e.time.now += 3min;
    e.flow.leaveTicket();
    EXPECT_EQ(e.flow.stage(), Stage::Start);
    EXPECT_FALSE(e.flow.hasTicket());

    e.flow.showHistory();
    ASSERT_EQ(e.flow.pastTickets().size(), 1u);
    EXPECT_TRUE(ExamFlow::mayResume(e.flow.pastTickets().front()));
    EXPECT_FALSE(e.flow.resume(1)) << "no such row";
    ASSERT_TRUE(e.flow.resume(0));
    EXPECT_EQ(e.flow.stage(), Stage::Answering);
    EXPECT_EQ(e.flow.ticket().number, 5);
    EXPECT_EQ(e.flow.answeredCount(), 3u);
    EXPECT_EQ(e.flow.current(), 3u) << "on at the first question without an answer";
    EXPECT_EQ(e.flow.timeLeft(), std::chrono::seconds(7min));

    // Its time runs out: handed in by the clock.
    e.time.now += 7min;
    EXPECT_TRUE(e.flow.checkTime());
    EXPECT_EQ(e.flow.stage(), Stage::Results);
    EXPECT_TRUE(e.flow.result().timedOut);
    EXPECT_FALSE(e.flow.checkTime()) << "ended once";
}

TEST(ExamFlow, ATicketWhoseTimeRanOutMayNotBeTakenUpAgain) {
    const struct {
        std::optional<std::chrono::minutes> limit;
        std::chrono::seconds used;
        bool handedIn;
        bool mayResume;
    } cases[] = {
        {std::nullopt, 3h, false, true},
        {10min, 9min + 59s, false, true},
        {10min, 10min, false, false},
        {std::nullopt, 1min, true, false},
    };
    for (const auto& c : cases) {
        PastTicket t;
        t.limit = c.limit;
        t.used = c.used;
        if (c.handedIn) t.end = TicketEnd{};
        EXPECT_EQ(ExamFlow::mayResume(t), c.mayResume)
            << "limit " << (c.limit ? c.limit->count() : 0) << " min, used " << c.used.count() << " s";
    }
}

// «Сдать» over unanswered questions warns once; a second press hands the
// ticket in; going to another question forgets the warning.
TEST(ExamFlow, HandingInWithQuestionsUnansweredTakesASecondPress) {
    enum class Step { HandIn, Next, Previous, AnswerTheRest };
    const struct {
        const char* name;
        std::vector<std::size_t> answered;  // of a ticket of ten
        std::vector<Step> steps;
        std::vector<HandIn> outcomes;  // of each HandIn step, in order
        std::optional<std::size_t> warnedAtEnd;
    } cases[] = {
        {"every question answered", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {Step::HandIn}, {HandIn::HandedIn}, std::nullopt},
        {"two left, pressed once", {0, 1, 2, 3, 4, 5, 6, 7}, {Step::HandIn}, {HandIn::Warned}, 2},
        {"two left, pressed twice",
         {0, 1, 2, 3, 4, 5, 6, 7},
         {Step::HandIn, Step::HandIn},
         {HandIn::Warned, HandIn::HandedIn},
         std::nullopt},
        {"none answered, pressed twice",
         {},
         {Step::HandIn, Step::HandIn},
         {HandIn::Warned, HandIn::HandedIn},
         std::nullopt},
        {"a move between the presses",
         {0, 1, 2},
         {Step::HandIn, Step::Previous, Step::HandIn},
         {HandIn::Warned, HandIn::Warned},
         7},
        {"a move forward between the presses",
         {0, 1, 2},
         {Step::HandIn, Step::Next, Step::HandIn, Step::HandIn},
         {HandIn::Warned, HandIn::Warned, HandIn::HandedIn},
         std::nullopt},
        {"the rest answered between the presses",
         {0, 1, 2, 3, 4, 5, 6, 7},
         {Step::HandIn, Step::AnswerTheRest, Step::HandIn},
         {HandIn::Warned, HandIn::HandedIn},
         std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Exam e;
        e.start(3, kShortTicketQuestions);
        e.answer(c.answered);
        e.flow.goTo(4);
        std::vector<HandIn> outcomes;
        for (Step step : c.steps) {
            switch (step) {
                case Step::HandIn:
                    outcomes.push_back(e.flow.handIn());
                    if (outcomes.back() == HandIn::Warned) {
                        EXPECT_EQ(e.flow.unansweredWarned(), e.flow.questionCount() - e.flow.answeredCount());
                    }
                    break;
                case Step::Next: EXPECT_TRUE(e.flow.next()); break;
                case Step::Previous: EXPECT_TRUE(e.flow.previous()); break;
                case Step::AnswerTheRest:
                    for (std::size_t i = 0; i < e.flow.questionCount(); ++i) {
                        if (e.flow.answered(i)) continue;
                        e.flow.goTo(i);
                        e.answerRightly();
                    }
                    break;
            }
        }
        EXPECT_EQ(outcomes, c.outcomes);
        EXPECT_EQ(e.flow.unansweredWarned(), c.warnedAtEnd);
        const bool handedIn = !c.outcomes.empty() && c.outcomes.back() == HandIn::HandedIn;
        EXPECT_EQ(e.flow.stage(), handedIn ? Stage::Results : Stage::Answering);
    }
}

TEST(ExamFlow, AMoveThatCannotBeMadeKeepsTheWarning) {
    Exam e;
    e.start(3, kShortTicketQuestions);
    EXPECT_FALSE(e.flow.mayGoBack());
    EXPECT_EQ(e.flow.handIn(), HandIn::Warned);
    EXPECT_FALSE(e.flow.previous());
    EXPECT_EQ(e.flow.unansweredWarned(), std::size_t{kShortTicketQuestions});
    e.flow.goTo(kShortTicketQuestions - 1);
    EXPECT_FALSE(e.flow.unansweredWarned());
    EXPECT_FALSE(e.flow.mayGoOn());
    EXPECT_EQ(e.flow.handIn(), HandIn::Warned);
    EXPECT_FALSE(e.flow.next());
    EXPECT_EQ(e.flow.handIn(), HandIn::HandedIn);
}

TEST(ExamFlow, TheMistakesGoToTheDrillEachAsItWasAsked) {
    Exam e;
    e.start(7);
    EXPECT_TRUE(e.flow.mistakesToDrill().empty()) << "nothing before the ticket is handed in";
    // Wrong at 2 and 11, no answer at 5 and 16.
    std::vector<std::size_t> answered;
    for (std::size_t i : e.all())
        if (i != 5 && i != 16) answered.push_back(i);
    e.answer(answered, {2, 11});
    EXPECT_EQ(e.flow.handIn(), HandIn::Warned);
    EXPECT_EQ(e.flow.handIn(), HandIn::HandedIn);

    std::vector<asking::Topic> expected;
    for (std::size_t i : {2, 5, 11, 16}) {
        const TicketQuestion& q = e.flow.ticket().questions[i];
        expected.push_back({q.set, modeOf(q.kind), q.signal->code});
    }
    EXPECT_EQ(e.flow.mistakesToDrill(), expected);
    EXPECT_EQ(e.flow.result().mistakes, 4);
}

TEST(ExamFlow, ARandomTicketIsDrawnFromTheSeedWithinTheNumbersOfTickets) {
    const auto draws = [](std::uint64_t seed) {
        Exam e(seed);
        std::vector<int> numbers;
        for (int i = 0; i < 8; ++i) {
            e.flow.choose({kFirstTicket, ExamScope::Flags, kShortTicketQuestions, std::nullopt});
            e.flow.startRandom();
            EXPECT_EQ(e.flow.stage(), Stage::Answering) << "seed " << seed;
            EXPECT_EQ(e.flow.ticket().number, e.flow.choice().number) << "seed " << seed;
            EXPECT_EQ(e.flow.ticket().scope, ExamScope::Flags) << "seed " << seed;
            EXPECT_EQ(e.flow.questionCount(), std::size_t{kShortTicketQuestions}) << "seed " << seed;
            numbers.push_back(e.flow.ticket().number);
            e.flow.leaveTicket();
        }
        return numbers;
    };
    const std::vector<int> first = draws(kSeed);
    EXPECT_EQ(draws(kSeed), first) << "seed " << kSeed;
    EXPECT_NE(draws(kSeed + 1), first) << "seeds " << kSeed << " and " << kSeed + 1;
    for (int n : first) {
        EXPECT_GE(n, kFirstTicket) << "seed " << kSeed;
        EXPECT_LE(n, kLastTicket) << "seed " << kSeed;
    }
    EXPECT_GT(std::set<int>(first.begin(), first.end()).size(), 4u) << "seed " << kSeed;
}

TEST(ExamFlow, ANumberOutsideTheTicketsIsBroughtWithinThem) {
    Exam e;
    const struct {
        int chosen, kept;
    } cases[] = {{0, kFirstTicket}, {-5, kFirstTicket}, {kLastTicket + 1, kLastTicket}, {42, 42}};
    for (const auto& c : cases) {
        e.flow.choose({c.chosen, ExamScope::Basic, kTicketQuestions, std::nullopt});
        EXPECT_EQ(e.flow.choice().number, c.kept) << c.chosen;
    }
}

}  // namespace
}  // namespace mss::exam
