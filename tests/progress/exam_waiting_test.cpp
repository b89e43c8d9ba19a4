// SPDX-License-Identifier: GPL-3.0-or-later
// A cadet at a ticket while another program holds the progress file: the
// answers and the grade wait, the cadet is told so, and all of it is in the
// file once it frees.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "exam/ticket_sitting.h"
#include "progress/progress_store.h"
#include "progress_test_support.h"
#include "support/shipped_book.h"

namespace mss::progress {
namespace {

using namespace std::chrono_literals;
using namespace testing;

constexpr const char* kWaiting = "Прогресс ждёт: файл занят другой программой; ответы будут записаны, когда он освободится.";

const exam::ExamPool& pool() {
    static const exam::ExamPool p(mss::testing::shippedBook(), exam::ExamSignals::shipped());
    return p;
}

// Picks the right meaning, types the code read, or puts up the flags asked.
void answerRightly(exam::TicketSitting& flow) {
    const exam::TicketQuestion& q = flow.question();
    if (exam::modeOf(q.kind) == asking::AskMode::Meaning) return flow.pick(q.rightChoice);
    if (q.kind == exam::TaskKind::ReadHoistType) {
        for (char c : q.hoist.flags) flow.type(c);
        return;
    }
    for (std::size_t i = q.hoist.medicalM ? 1 : 0; i < q.hoist.flown.size(); ++i) flow.raise(q.hoist.flown[i]);
}

TEST(ExamWhileTheFileIsHeld, AnswersAndTheHandInWaitAndAreWrittenWhenItFrees) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const fs::path file = fs::path(temp.path().toStdString()) / "progress.sqlite3";
    ManualClock time(kMorning);
    ProgressStore store(file, time.clock());
    drill::SessionRecord session = newSession();
    ASSERT_EQ(store.recordAnswer(answered(flagCard("A"), true, kMorning), session), asking::Keeping::Saved);

    exam::TicketSitting flow(pool(), exam::drawTicket(pool(), 7, exam::ExamScope::Basic), store, time.clock());
    answerRightly(flow);  // written at once: the ticket and its first answer
    EXPECT_FALSE(flow.waiting());
    {
        RawDatabase other(file);
        other.run("BEGIN IMMEDIATE");
        for (std::size_t place = 1; place < flow.questionCount(); ++place) {
            flow.goTo(place);
            answerRightly(flow);
            time.advance(10s);
        }
        EXPECT_TRUE(flow.waiting());
        EXPECT_EQ(store.notices(), std::vector<std::string>{kWaiting});
        flow.handIn();
        ASSERT_TRUE(flow.finished()) << "the grade is shown at once";
        EXPECT_TRUE(flow.result().passed);
        EXPECT_TRUE(flow.writeWaiting()) << "still held";
        EXPECT_EQ(store.notices(), std::vector<std::string>{kWaiting});
        other.run("ROLLBACK");
    }
    EXPECT_FALSE(flow.writeWaiting());
    EXPECT_FALSE(flow.waiting());
    EXPECT_TRUE(store.notices().empty());

    RawDatabase raw(file);
    EXPECT_EQ(raw.column("SELECT count(*) || ' ' || sum(correct) FROM ticket_answers"),
              std::vector<std::string>{"20 20"});
    EXPECT_EQ(raw.column("SELECT number || ' ' || right_answers || ' ' || passed || ' ' || draw FROM tickets"),
              std::vector<std::string>{"7 20 1 2"});
    const auto past = store.pastTickets();
    ASSERT_EQ(past.size(), 1u);
    ASSERT_TRUE(past[0].end);
    EXPECT_TRUE(past[0].end->passed);
    EXPECT_EQ(past[0].answered, 20);
    EXPECT_EQ(past[0].draw, exam::kLatestDraw);
}

}  // namespace
}  // namespace mss::progress
