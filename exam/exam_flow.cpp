// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam_flow.h"

#include <algorithm>

namespace mss::exam {

ExamFlow::ExamFlow(const codebook::CodeBook& book, const ExamSignals& examSignals, ExamKeeper& keeper,
                   asking::Clock clock, asking::RandomSource random)
    : book_(book), examSignals_(examSignals), keeper_(keeper), clock_(std::move(clock)), random_(std::move(random)) {}

ExamFlow::~ExamFlow() = default;

const ExamPool& ExamFlow::pool() {
    if (!pool_) pool_ = std::make_unique<ExamPool>(book_, examSignals_);
    return *pool_;
}

void ExamFlow::showStart() {
    if (!running()) stage_ = Stage::Start;
}

void ExamFlow::choose(const TicketChoice& choice) {
    choice_ = choice;
    choice_.number = std::clamp(choice_.number, kFirstTicket, kLastTicket);
}

Ticket ExamFlow::chosenTicket() { return drawTicket(pool(), choice_.number, choice_.scope, choice_.length); }

void ExamFlow::start() {
    if (stage_ != Stage::Start) return;
    sit(chosenTicket(), choice_.limit, nullptr);
}

void ExamFlow::startRandom() {
    if (stage_ != Stage::Start) return;
    const auto count = static_cast<std::size_t>(kLastTicket - kFirstTicket + 1);
    choice_.number = kFirstTicket + static_cast<int>(asking::below(random_, count));
    start();
}

void ExamFlow::sit(Ticket ticket, std::optional<std::chrono::minutes> limit, const TicketLeft* left) {
    sitting_ = std::make_unique<TicketSitting>(pool(), std::move(ticket), keeper_, clock_, limit, left);
    warned_.reset();
    stage_ = Stage::Answering;
    // A ticket taken up again whose time ran out meanwhile is graded at once.
    checkTime();
}

std::optional<std::chrono::seconds> ExamFlow::timeLeft() const {
    return sitting_ ? sitting_->timeLeft() : std::nullopt;
}

bool ExamFlow::moved(bool done) {
    if (done) warned_.reset();
    return done;
}

bool ExamFlow::mayGoBack() const { return running() && sitting_->current() > 0; }

bool ExamFlow::mayGoOn() const { return running() && sitting_->current() + 1 < sitting_->questionCount(); }

bool ExamFlow::goTo(std::size_t place) {
    if (!running() || place >= sitting_->questionCount()) return false;
    sitting_->goTo(place);
    return moved(true);
}

bool ExamFlow::next() { return mayGoOn() && goTo(sitting_->current() + 1); }

bool ExamFlow::previous() { return mayGoBack() && goTo(sitting_->current() - 1); }

bool ExamFlow::raise(int flag) { return running() && sitting_->raise(flag); }

bool ExamFlow::type(char symbol) { return running() && sitting_->type(symbol); }

bool ExamFlow::takeBack() { return running() && sitting_->takeBack(); }

void ExamFlow::pick(std::size_t place) {
    if (running()) sitting_->pick(place);
}

HandIn ExamFlow::handIn() {
    if (!running()) return HandIn::Refused;
    const std::size_t left = sitting_->questionCount() - sitting_->answeredCount();
    if (left > 0 && !warned_) {
        warned_ = left;
        return HandIn::Warned;
    }
    warned_.reset();
    sitting_->handIn();
    stage_ = Stage::Results;
    return HandIn::HandedIn;
}

bool ExamFlow::checkTime() {
    if (!running() || !sitting_->checkTime()) return false;
    warned_.reset();
    stage_ = Stage::Results;
    return true;
}

void ExamFlow::leaveTicket() {
    if (!running()) return;
    sitting_->leave();
    sitting_.reset();
    warned_.reset();
    stage_ = Stage::Start;
}

std::vector<asking::Topic> ExamFlow::mistakesToDrill() const {
    std::vector<asking::Topic> topics;
    if (!finished()) return topics;
    for (const QuestionResult& r : sitting_->result().questions)
        if (!r.correct) topics.push_back({r.question->set, r.question->mode, r.question->signal->code});
    return topics;
}

void ExamFlow::showHistory() {
    if (running()) return;
    past_ = keeper_.pastTickets();
    stage_ = Stage::History;
}

bool ExamFlow::mayResume(const PastTicket& ticket) {
    return !ticket.end && (!ticket.limit || ticket.used < *ticket.limit);
}

bool ExamFlow::resume(std::size_t row) {
    if (stage_ != Stage::History || row >= past_.size() || !mayResume(past_[row])) return false;
    const PastTicket past = past_[row];
    const TicketLeft left{past.id, keeper_.answersOf(past.id), past.used};
    sit(drawTicket(pool(), past.number, past.scope, past.length, past.draw), past.limit, &left);
    return true;
}

}  // namespace mss::exam
