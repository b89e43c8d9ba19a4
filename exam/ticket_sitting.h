// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A cadet at a ticket, without a window: the questions one after another
// (and back: every answer can be changed until the ticket is handed in), no
// word on right or wrong until then, an optional time limit that hands the
// ticket in when it runs out, and the grade: «Зачёт» with at most one
// mistake in ten, and no gross error (a wrong answer on a distress or
// urgency signal), otherwise «Незачёт». Every answer and the grade go to the
// keeper as they are given; while another program holds the file they wait
// here, in order, and writeWaiting() writes them once it frees.

#include <chrono>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "asking/clock.h"
#include "asking/question.h"
#include "asking/typed_answer.h"
#include "exam_keeper.h"
#include "ticket.h"

namespace mss::exam {

// The answer to one question so far: flags put up, or a meaning chosen.
struct ExamAnswer {
    asking::TypedAnswer typed;
    std::optional<std::size_t> chosen;
};

// A question of the ticket handed in, and what its answer came to.
struct QuestionResult : asking::Outcome {
    const TicketQuestion* question = nullptr;
};

struct ExamResult {
    std::vector<QuestionResult> questions;
    int right = 0;
    int mistakes = 0;
    int grossErrors = 0;
    bool passed = false;
    bool timedOut = false;
    std::chrono::seconds taken{0};
    int percent() const;
};

// A ticket left unfinished and taken up again: its number in the keeper, the
// answers kept and the time already spent on it.
struct TicketLeft {
    long long id = 0;
    std::vector<QuestionRecord> answers;
    std::chrono::seconds used{0};
};

// The most mistakes a ticket of `questions` may hold and pass: 2 in 20, 1 in 10.
constexpr int mistakesAllowed(int questions) { return questions / 10; }

class TicketSitting {
public:
    // A ticket begun now, or, with `left`, one taken up again with its
    // answers and the time it has left, at its first question unanswered.
    TicketSitting(const ExamPool& pool, Ticket ticket, ExamKeeper& keeper, asking::Clock clock,
                  std::optional<std::chrono::minutes> limit = std::nullopt, const TicketLeft* left = nullptr);

    const Ticket& ticket() const { return ticket_; }
    std::size_t questionCount() const { return ticket_.questions.size(); }
    std::size_t current() const { return current_; }
    const TicketQuestion& question() const { return ticket_.questions.at(current_); }
    const ExamAnswer& answer() const { return answers_.at(current_); }
    const ExamAnswer& answerTo(std::size_t place) const { return answers_.at(place); }
    bool answered(std::size_t place) const;
    std::size_t answeredCount() const;

    // Moving between questions; each does nothing past the ends or after the end.
    void goTo(std::size_t place);
    void next();
    void previous();

    // Answering the question in hand; nothing once the ticket is handed in.
    bool raise(int flag);
    bool type(char symbol);
    bool takeBack();
    void pick(std::size_t place);

    // Hands the ticket in and grades it.
    void handIn();
    // Reads the clock: hands the ticket in when its time has run out. True
    // when this call ended it.
    bool checkTime();
    // The time left, when there is a limit.
    std::optional<std::chrono::seconds> timeLeft() const;
    // The cadet leaves the ticket unfinished: the time spent on it goes to
    // the keeper, so that it can be taken up again with what it has left.
    void leave();

    bool finished() const { return result_.has_value(); }
    const ExamResult& result() const { return *result_; }

    // Whether answers or the grade wait for the file.
    bool waiting() const { return !unwritten_.empty() || end_.has_value(); }
    // Writes what waits, oldest first, for as long as the keeper takes it;
    // true while something still waits. Call it now and then while waiting().
    bool writeWaiting();

private:
    std::string givenCode(std::size_t place) const;
    bool isRight(std::size_t place, const std::string& given) const;
    asking::Keeping writeAnswer(std::size_t place);
    std::chrono::seconds timeUsed() const;
    // Puts a kept answer back in its place; a record that does not fit the
    // ticket is passed over.
    void restore(const QuestionRecord& record);
    void keep(std::size_t place);
    void finish(bool timedOut);
    // Nothing more to write: the keeper has no place for the ticket.
    void forgetWaiting();

    const ExamPool& pool_;
    Ticket ticket_;
    ExamKeeper& keeper_;
    asking::Clock clock_;
    std::optional<std::chrono::minutes> limit_;
    asking::TimePoint startedAt_;
    std::vector<ExamAnswer> answers_;
    std::size_t current_ = 0;
    std::optional<long long> kept_;    // the ticket's number in the keeper
    std::set<std::size_t> unwritten_;  // places whose latest answer the keeper lacks
    std::optional<TicketEnd> end_;     // the grade, until the keeper holds it
    std::optional<ExamResult> result_;
};

}  // namespace mss::exam
