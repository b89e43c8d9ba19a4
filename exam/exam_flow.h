// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cadet at the exam, without a window, from the choice of a ticket to
// its grade: the start (scope, number or a random one, length, time limit),
// the ticket being answered (sat as ticket_sitting.h says), the results
// with the mistakes to drill, and the history of past tickets, from which a
// ticket left unfinished is taken up again. A window shows the stage the
// flow is at and hands it the cadet's keys and clicks.

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "asking/clock.h"
#include "asking/question.h"
#include "asking/random_source.h"
#include "codebook/codebook.h"
#include "exam_keeper.h"
#include "exam_signals.h"
#include "ticket.h"
#include "ticket_sitting.h"

namespace mss::exam {

// The ticket chosen on the start page.
struct TicketChoice {
    int number = kFirstTicket;
    ExamScope scope = ExamScope::Basic;
    int length = kTicketQuestions;
    std::optional<std::chrono::minutes> limit;  // none: no time limit

    friend bool operator==(const TicketChoice&, const TicketChoice&) = default;
};

// What «Сдать» came to.
enum class HandIn {
    Refused,  // no ticket is being answered
    Warned,   // questions are left without an answer: said once, the ticket stays in hand
    HandedIn,
};

class ExamFlow {
public:
    enum class Stage { Start, Answering, Results, History };

    // `random` draws the number of «Случайный билет». The signals of the
    // code book are read the first time a ticket is drawn.
    ExamFlow(const codebook::CodeBook& book, const ExamSignals& examSignals, ExamKeeper& keeper, asking::Clock clock,
             asking::RandomSource random);
    ~ExamFlow();

    Stage stage() const { return stage_; }

    // The start: what is chosen, and beginning it.
    void showStart();
    const TicketChoice& choice() const { return choice_; }
    // A number outside kFirstTicket..kLastTicket is brought within it.
    void choose(const TicketChoice& choice);
    void start();
    // The chosen scope, length and limit, with a number drawn at random.
    void startRandom();
    // The chosen ticket, to print or save.
    Ticket chosenTicket();

    // The ticket in hand, from the moment it is started until the next start.
    bool hasTicket() const { return sitting_ != nullptr; }
    const TicketSitting& sitting() const { return *sitting_; }
    // Whether a ticket is being answered (not yet handed in).
    bool running() const { return sitting_ && !sitting_->finished(); }

    // The ticket in hand, as its sitting says.
    const Ticket& ticket() const { return sitting_->ticket(); }
    std::size_t questionCount() const { return sitting_->questionCount(); }
    std::size_t current() const { return sitting_->current(); }
    const TicketQuestion& question() const { return sitting_->question(); }
    const ExamAnswer& answer() const { return sitting_->answer(); }
    const ExamAnswer& answerTo(std::size_t place) const { return sitting_->answerTo(place); }
    bool answered(std::size_t place) const { return sitting_->answered(place); }
    std::size_t answeredCount() const { return sitting_->answeredCount(); }
    bool finished() const { return sitting_ && sitting_->finished(); }
    const ExamResult& result() const { return sitting_->result(); }
    std::optional<std::chrono::seconds> timeLeft() const;

    // Answering. Each does nothing where it makes no sense; a move to
    // another question forgets a warning about unanswered ones.
    bool goTo(std::size_t place);
    bool next();
    bool previous();
    bool mayGoBack() const;
    bool mayGoOn() const;
    bool raise(int flag);
    bool type(char symbol);
    bool takeBack();
    void pick(std::size_t place);
    // «Сдать»: with questions left unanswered, the first press only warns
    // (unansweredWarned() says how many); the second hands the ticket in all
    // the same. With every question answered the first press hands it in.
    HandIn handIn();
    std::optional<std::size_t> unansweredWarned() const { return warned_; }
    // Reads the clock: hands the ticket in when its time has run out. True
    // when this call ended it.
    bool checkTime();
    // The cadet leaves the ticket unfinished: what it needs to be taken up
    // again goes to the keeper, and the flow holds no ticket any more.
    void leaveTicket();

    // The results: what the drill asks of the ticket's mistakes, in the
    // ticket's order, each as it was asked.
    std::vector<asking::Topic> mistakesToDrill() const;

    // The history of past tickets, the latest first, as read when shown.
    void showHistory();
    const std::vector<PastTicket>& pastTickets() const { return past_; }
    // A ticket of the history that may be taken up again: not handed in, with time left.
    static bool mayResume(const PastTicket& ticket);
    // Takes up again the ticket at `row` of the history; false when it may not be.
    bool resume(std::size_t row);

    // Whether answers or the grade wait for the file, and writing them.
    bool waiting() const { return sitting_ && sitting_->waiting(); }
    bool writeWaiting() { return sitting_ && sitting_->writeWaiting(); }
    // What the cadet must know of the progress file, in Russian.
    std::vector<std::string> notices() const { return keeper_.notices(); }

private:
    const ExamPool& pool();
    void sit(Ticket ticket, std::optional<std::chrono::minutes> limit, const TicketLeft* left);
    bool moved(bool done);

    const codebook::CodeBook& book_;
    const ExamSignals& examSignals_;
    ExamKeeper& keeper_;
    asking::Clock clock_;
    asking::RandomSource random_;
    std::unique_ptr<ExamPool> pool_;
    Stage stage_ = Stage::Start;
    TicketChoice choice_;
    std::unique_ptr<TicketSitting> sitting_;
    std::optional<std::size_t> warned_;  // «Сдать» pressed once with this many unanswered
    std::vector<PastTicket> past_;
};

}  // namespace mss::exam
