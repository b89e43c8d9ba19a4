// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exam needs of the place where progress is kept: a home for each
// ticket and its answers, written as they are given (a ticket closed before
// it is handed in stays in the history, unfinished, with what was answered),
// and the history of past tickets. Exam answers never touch the drill's
// schedule. Each write says what became of it, in the drill's words: Saved,
// Pending while another program holds the file (the flow tries it again),
// or InMemory when the file cannot be written at all. The progress file
// implements it; the exam's tests use one in memory.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "asking/clock.h"
#include "asking/keeping.h"
#include "ticket.h"

namespace mss::exam {

struct TicketStart {
    int number = 0;
    ExamScope scope = ExamScope::Basic;
    int length = kTicketQuestions;
    asking::TimePoint startedAt;
    std::optional<std::chrono::minutes> limit;
    int draw = kLatestDraw;
};

// One question of a ticket as kept: what was asked, and the answer given so far.
struct QuestionRecord {
    int place = 0;  // from 0, in the ticket's order
    TaskKind kind = TaskKind::FlagBySight;
    std::string asked;  // the code asked: "AE1", "1-й заменяющий"
    std::string given;  // the code given; empty when not answered
    bool correct = false;
    std::vector<int> flags;  // the flags put up (0..39), in order, for a ticket taken up again
};

struct TicketEnd {
    asking::TimePoint endedAt;
    int right = 0;
    int mistakes = 0;
    int grossErrors = 0;
    bool passed = false;
    bool timedOut = false;
};

// A ticket of the history.
struct PastTicket {
    int number = 0;
    ExamScope scope = ExamScope::Basic;
    int length = 0;
    asking::TimePoint startedAt;
    std::optional<std::chrono::minutes> limit;
    std::optional<TicketEnd> end;  // none: closed before it was handed in
    int answered = 0;
    int draw = kFirstDraw;
    long long id = 0;              // its number in the keeper
    std::chrono::seconds used{0};  // the time spent answering it, as last kept
};

// A ticket handed to the keeper: its number there, once it has one.
struct TicketKept {
    asking::Keeping keeping = asking::Keeping::Pending;
    std::optional<long long> id;
};

class ExamKeeper {
public:
    virtual ~ExamKeeper() = default;

    // The ticket's number in the keeper, written with its first answer.
    virtual TicketKept startTicket(const TicketStart& start) = 0;
    // Records the answer to one question, replacing an earlier one, and the
    // time spent on the ticket so far.
    virtual asking::Keeping saveAnswer(long long ticket, const QuestionRecord& record, std::chrono::seconds used) = 0;
    // Records the time spent on a ticket left unfinished.
    virtual asking::Keeping saveTimeUsed(long long ticket, std::chrono::seconds used) = 0;
    virtual asking::Keeping finishTicket(long long ticket, const TicketEnd& end) = 0;
    // Past tickets, the latest first.
    virtual std::vector<PastTicket> pastTickets() = 0;
    // The answers kept of a ticket, to take it up again.
    virtual std::vector<QuestionRecord> answersOf(long long ticket) = 0;
    // Russian sentences the cadet must read about the file (set aside, not
    // saving, waiting for another program); empty when all is well.
    virtual std::vector<std::string> notices() = 0;
};

}  // namespace mss::exam
