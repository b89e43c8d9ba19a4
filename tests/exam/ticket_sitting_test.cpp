// SPDX-License-Identifier: GPL-3.0-or-later
// A cadet at a ticket with a clock moved by hand: the grade rules, a gross
// error, the time limit, answers changed before the ticket is handed in, and
// what the keeper holds of it all.

#include <gtest/gtest.h>

#include <chrono>
#include <set>

#include "asking/manual_clock.h"
#include "codebook/signal_flags.h"
#include "exam/ticket_sitting.h"
#include "memory_exam_keeper.h"
#include "support/shipped_book.h"

namespace mss::exam {
namespace {

using namespace std::chrono_literals;

const ExamPool& pool() {
    static const ExamPool p(mss::testing::shippedBook(), ExamSignals::shipped());
    return p;
}

struct Sitting {
    asking::testing::ManualClock time;
    testing::MemoryExamKeeper keeper;
    TicketSitting flow;

    explicit Sitting(int number, ExamScope scope = ExamScope::Basic, int length = kTicketQuestions,
                     std::optional<std::chrono::minutes> limit = std::nullopt, int draw = kLatestDraw)
        : flow(pool(), drawTicket(pool(), number, scope, length, draw), keeper, time.clock(), limit) {}

    std::string where() const {
        return "ticket " + std::to_string(flow.ticket().number) + ", question " + std::to_string(flow.current() + 1) +
               " (" + flow.question().signal->code + ")";
    }

    void answerRightly() {
        const TicketQuestion& q = flow.question();
        switch (q.kind) {
            case TaskKind::ReadHoistType:
                for (char c : q.hoist.flags) flow.type(c);
                break;
            case TaskKind::FlagBySight:
            case TaskKind::ComposeHoist:
                for (std::size_t i = q.hoist.medicalM ? 1 : 0; i < q.hoist.flown.size(); ++i)
                    flow.raise(q.hoist.flown[i]);
                break;
            default: flow.pick(q.rightChoice); break;
        }
    }
    void answerWrongly() {
        const TicketQuestion& q = flow.question();
        if (modeOf(q.kind) == asking::AskMode::Meaning) return flow.pick((q.rightChoice + 1) % q.choices.size());
        // A flag that is no part of the right answer, where one may go up.
        for (int flag = 0; flag < codebook::kSignalFlagCount; ++flag)
            if (std::find(q.hoist.flown.begin(), q.hoist.flown.end(), flag) == q.hoist.flown.end() && flow.raise(flag))
                return;
    }
    // Answers every question, wrongly where `wrong` says, and hands in.
    void sit(const std::vector<bool>& wrong) {
        for (std::size_t i = 0; i < flow.questionCount(); ++i) {
            flow.goTo(i);
            i < wrong.size() && wrong[i] ? answerWrongly() : answerRightly();
        }
        flow.handIn();
    }
    // The places of questions that are and are not gross, for tests that need either.
    std::vector<std::size_t> places(bool gross) const {
        std::vector<std::size_t> out;
        for (std::size_t i = 0; i < flow.questionCount(); ++i)
            if (flow.ticket().questions[i].gross == gross) out.push_back(i);
        return out;
    }
};

TEST(TicketSitting, GradesByMistakesAndFailsOnAGrossError) {
    struct Case {
        int length;
        int plainMistakes;
        int grossMistakes;
        bool passed;
    };
    const Case cases[] = {
        {20, 0, 0, true}, {20, 2, 0, true}, {20, 3, 0, false}, {20, 0, 1, false}, {10, 1, 0, true}, {10, 2, 0, false},
    };
    for (const Case& c : cases)
        for (int number = 1; number <= 60; ++number) {
            Sitting s(number, ExamScope::Basic, c.length);
            const auto plain = s.places(false), gross = s.places(true);
            if (plain.size() < std::size_t(c.plainMistakes) || gross.size() < std::size_t(c.grossMistakes)) continue;
            std::vector<bool> wrong(s.flow.questionCount(), false);
            for (int i = 0; i < c.plainMistakes; ++i) wrong[plain[std::size_t(i)]] = true;
            for (int i = 0; i < c.grossMistakes; ++i) wrong[gross[std::size_t(i)]] = true;
            s.sit(wrong);
            const ExamResult& r = s.flow.result();
            const std::string what = "ticket " + std::to_string(number) + " of " + std::to_string(c.length);
            EXPECT_EQ(r.mistakes, c.plainMistakes + c.grossMistakes) << what;
            EXPECT_EQ(r.grossErrors, c.grossMistakes) << what;
            EXPECT_EQ(r.passed, c.passed) << what;
            EXPECT_EQ(r.right + r.mistakes, c.length) << what;
            break;  // one ticket with enough questions of each kind is enough
        }
}

TEST(TicketSitting, AnswersCanBeChangedUntilTheTicketIsHandedIn) {
    Sitting s(7);
    s.answerWrongly();
    const std::size_t first = s.flow.current();
    s.flow.next();
    s.flow.previous();
    EXPECT_EQ(s.flow.current(), first);
    EXPECT_TRUE(s.flow.answered(first));
    // Taken down and answered again, rightly this time.
    while (s.flow.takeBack()) {
    }
    s.answerRightly();
    EXPECT_EQ(s.keeper.tickets.size(), 1u) << "one ticket in the keeper";
    EXPECT_TRUE(s.keeper.tickets[0].answers.at(0).correct) << s.where();
    s.flow.handIn();
    EXPECT_TRUE(s.flow.result().questions[0].correct) << s.where();
    EXPECT_FALSE(s.flow.raise(0)) << "no answer after the ticket is handed in";
    EXPECT_EQ(s.flow.result().mistakes, kTicketQuestions - 1) << "unanswered questions count as wrong";
    ASSERT_TRUE(s.keeper.tickets[0].end);
    EXPECT_FALSE(s.keeper.tickets[0].end->passed);
}

TEST(TicketSitting, AnswersAndTheGradeWaitWhileTheFileIsHeldAndAreAllWrittenWhenItFrees) {
    Sitting s(7);
    s.keeper.busy = true;  // another program holds the file from the first answer on
    for (int i = 0; i < 5; ++i) {
        s.answerRightly();
        s.flow.next();
    }
    s.flow.goTo(1);
    s.answerWrongly();  // changed while waiting: the latest answer is the one written
    EXPECT_TRUE(s.flow.waiting());
    EXPECT_TRUE(s.flow.writeWaiting()) << "still held";
    s.flow.handIn();
    EXPECT_TRUE(s.flow.finished()) << "the grade is shown at once";
    EXPECT_TRUE(s.flow.waiting());
    EXPECT_TRUE(s.keeper.tickets.empty());

    s.keeper.busy = false;
    EXPECT_FALSE(s.flow.writeWaiting());
    EXPECT_FALSE(s.flow.waiting());
    ASSERT_EQ(s.keeper.tickets.size(), 1u);
    const auto& kept = s.keeper.tickets[0];
    EXPECT_EQ(kept.start.draw, kLatestDraw);
    ASSERT_EQ(kept.answers.size(), 5u);
    for (int place = 0; place < 5; ++place)
        EXPECT_EQ(kept.answers.at(place).correct, s.flow.result().questions[std::size_t(place)].correct) << place;
    ASSERT_TRUE(kept.end);
    EXPECT_EQ(kept.end->right, s.flow.result().right);
    EXPECT_EQ(kept.end->passed, s.flow.result().passed);
    EXPECT_FALSE(s.flow.writeWaiting()) << "nothing is written twice";
    EXPECT_EQ(s.keeper.tickets.size(), 1u);
}

TEST(TicketSitting, TheFileFreeingBetweenAnswersKeepsTheirOrder) {
    Sitting s(8);
    s.answerRightly();
    s.keeper.busy = true;
    s.flow.next();
    s.answerRightly();
    s.keeper.busy = false;
    s.flow.next();
    s.answerRightly();  // writes what waited first, then itself
    EXPECT_FALSE(s.flow.waiting());
    ASSERT_EQ(s.keeper.tickets.size(), 1u);
    EXPECT_EQ(s.keeper.tickets[0].answers.size(), 3u);
}

// A gross error is graded by the corrected list in either draw.
TEST(TicketSitting, AWrongAnswerOnALeakFailsATicketAndOnCollisionDamageDoesNot) {
    struct Case {
        const char* code;
        bool gross;
    };
    for (const Case& c : {Case{"JW", true}, Case{"HX1", false}, Case{"HX2", false}, Case{"CB", true}})
        for (int draw : {kFirstDraw, kLatestDraw}) {
            // The first ticket of the general scope that asks the code in this draw.
            std::optional<Sitting> found;
            for (int number = kFirstTicket; number <= kLastTicket && !found; ++number) {
                const Ticket t = drawTicket(pool(), number, ExamScope::General, kTicketQuestions, draw);
                for (const TicketQuestion& q : t.questions)
                    if (q.signal->code == c.code) {
                        found.emplace(number, ExamScope::General, kTicketQuestions, std::nullopt, draw);
                        break;
                    }
            }
            ASSERT_TRUE(found) << c.code << ", draw " << draw;
            Sitting& s = *found;
            for (std::size_t i = 0; i < s.flow.questionCount(); ++i) {
                s.flow.goTo(i);
                if (s.flow.question().signal->code == c.code)
                    s.answerWrongly();
                else
                    s.answerRightly();
            }
            s.flow.handIn();
            const ExamResult& r = s.flow.result();
            const std::string what = std::string(c.code) + ", draw " + std::to_string(draw) + ", " + s.where();
            EXPECT_EQ(r.mistakes, 1) << what;
            EXPECT_EQ(r.grossErrors, c.gross ? 1 : 0) << what;
            EXPECT_EQ(r.passed, !c.gross) << what;
        }
}

TEST(TicketSitting, ATicketLeftUnfinishedIsTakenUpAgainWithItsAnswersAndTheTimeItHasLeft) {
    Sitting s(12, ExamScope::Basic, kTicketQuestions, 10min);
    // A right answer and a wrong one of every kind the ticket asks.
    std::set<TaskKind> rightKinds, wrongKinds;
    for (std::size_t i = 0; i < s.flow.questionCount(); ++i) {
        s.flow.goTo(i);
        const TaskKind kind = s.flow.question().kind;
        if (rightKinds.insert(kind).second)
            s.answerRightly();
        else if (wrongKinds.insert(kind).second)
            s.answerWrongly();
        s.time.now += 20s;
    }
    const std::size_t answered = s.flow.answeredCount();
    ASSERT_GE(answered, 8u) << s.where();
    s.time.now += 1min;
    s.flow.leave();
    ASSERT_EQ(s.keeper.tickets.size(), 1u);
    const std::chrono::seconds used = s.keeper.tickets[0].used;
    EXPECT_EQ(used, 20s * 20 + 1min);

    // Taken up again the next day: the same answers, the time the ticket had left.
    s.time.now += 24h;
    const PastTicket past = s.keeper.pastTickets().at(0);
    EXPECT_FALSE(past.end);
    const TicketLeft left{past.id, s.keeper.answersOf(past.id), past.used};
    TicketSitting again(pool(), drawTicket(pool(), past.number, past.scope, past.length, past.draw), s.keeper,
                        s.time.clock(), past.limit, &left);
    EXPECT_EQ(again.answeredCount(), answered);
    EXPECT_FALSE(again.answered(again.current())) << "on at the first question still without an answer";
    for (std::size_t i = 0; i < again.current(); ++i) EXPECT_TRUE(again.answered(i)) << "question " << i + 1;
    for (std::size_t i = 0; i < s.flow.questionCount(); ++i) {
        EXPECT_EQ(again.answerTo(i).chosen, s.flow.answerTo(i).chosen) << "question " << i + 1;
        EXPECT_EQ(again.answerTo(i).typed.flags(), s.flow.answerTo(i).typed.flags()) << "question " << i + 1;
    }
    EXPECT_EQ(again.timeLeft(), 10min - used);
    again.handIn();
    EXPECT_EQ(s.keeper.tickets.size(), 1u) << "the same ticket, not a new one";
    ASSERT_TRUE(s.keeper.tickets[0].end);
    EXPECT_EQ(again.result().right, static_cast<int>(rightKinds.size()));
    EXPECT_EQ(s.keeper.tickets[0].end->right, again.result().right);
}

TEST(TicketSitting, TheTimeLimitHandsTheTicketIn) {
    Sitting s(12, ExamScope::Basic, kTicketQuestions, 10min);
    s.answerRightly();
    s.time.now += 9min;
    EXPECT_FALSE(s.flow.checkTime());
    EXPECT_EQ(s.flow.timeLeft(), std::chrono::seconds(60));
    s.time.now += 61s;
    EXPECT_TRUE(s.flow.checkTime());
    EXPECT_TRUE(s.flow.finished());
    EXPECT_TRUE(s.flow.result().timedOut);
    EXPECT_EQ(s.flow.result().right, 1);
    EXPECT_EQ(s.flow.result().taken, std::chrono::seconds(600));
    EXPECT_EQ(s.flow.timeLeft(), std::chrono::seconds(0));
    EXPECT_TRUE(s.keeper.tickets.at(0).end->timedOut);
}

TEST(TicketSitting, ATicketClosedBeforeItIsHandedInStaysUnfinished) {
    Sitting s(3);
    s.answerRightly();
    s.flow.next();
    s.answerWrongly();
    const auto past = s.keeper.pastTickets();
    ASSERT_EQ(past.size(), 1u);
    EXPECT_FALSE(past[0].end);
    EXPECT_EQ(past[0].answered, 2);
    EXPECT_EQ(past[0].number, 3);
}

TEST(TicketSitting, HoistsAreComposedWithOneSet) {
    // Every «набрать» of many tickets is right only as one set flies it.
    int composed = 0;
    for (int number = 1; number <= 30; ++number) {
        Sitting s(number, ExamScope::General);
        for (std::size_t i = 0; i < s.flow.questionCount(); ++i) {
            s.flow.goTo(i);
            if (s.flow.question().kind != TaskKind::ComposeHoist) continue;
            s.answerRightly();
            ++composed;
        }
        s.flow.handIn();
        for (const QuestionResult& r : s.flow.result().questions)
            if (r.question->kind == TaskKind::ComposeHoist) {
                EXPECT_TRUE(r.correct) << r.question->signal->code;
            }
    }
    EXPECT_GT(composed, 100);
}

}  // namespace
}  // namespace mss::exam
