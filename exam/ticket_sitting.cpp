// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticket_sitting.h"

#include <algorithm>

#include "asking/percent.h"
#include "codebook/flag_catalogue.h"

namespace mss::exam {

int ExamResult::percent() const { return asking::percentOf(right, static_cast<int>(questions.size())); }

TicketSitting::TicketSitting(const ExamPool& pool, Ticket ticket, ExamKeeper& keeper, asking::Clock clock,
                             std::optional<std::chrono::minutes> limit, const TicketLeft* left)
    : pool_(pool), ticket_(std::move(ticket)), keeper_(keeper), clock_(std::move(clock)), limit_(limit),
      startedAt_(clock_()) {
    for (const TicketQuestion& q : ticket_.questions)
        answers_.push_back({asking::TypedAnswer(q.set, q.mode, *q.signal), std::nullopt});
    if (!left) return;
    kept_ = left->id;
    startedAt_ -= std::max(left->used, std::chrono::seconds(0));
    for (const QuestionRecord& record : left->answers) restore(record);
    // On at the first question still without an answer.
    while (current_ + 1 < answers_.size() && answered(current_)) ++current_;
}

void TicketSitting::restore(const QuestionRecord& record) {
    if (record.place < 0 || static_cast<std::size_t>(record.place) >= answers_.size() || record.given.empty()) return;
    const auto place = static_cast<std::size_t>(record.place);
    const TicketQuestion& q = ticket_.questions[place];
    if (q.kind != record.kind || q.signal->code != record.asked) return;
    ExamAnswer& a = answers_[place];
    if (q.mode == asking::AskMode::Meaning) {
        for (std::size_t c = 0; c < q.choices.size(); ++c)
            if (q.choices[c]->code == record.given) a.chosen = c;
        return;
    }
    if (!record.flags.empty()) {
        for (int flag : record.flags) a.typed.raise(flag);
        return;
    }
    // Kept before the flags were: the code's symbols typed again.
    for (char symbol : record.given)
        if (const auto flag = codebook::flagIndexOfSymbol(symbol)) a.typed.raise(*flag);
}

bool TicketSitting::answered(std::size_t place) const {
    const ExamAnswer& a = answers_.at(place);
    return a.chosen.has_value() || !a.typed.empty();
}

std::size_t TicketSitting::answeredCount() const {
    std::size_t n = 0;
    for (std::size_t i = 0; i < answers_.size(); ++i) n += answered(i) ? 1 : 0;
    return n;
}

void TicketSitting::goTo(std::size_t place) {
    if (!finished() && place < answers_.size()) current_ = place;
}

void TicketSitting::next() { goTo(current_ + 1); }

void TicketSitting::previous() {
    if (current_ > 0) goTo(current_ - 1);
}

bool TicketSitting::raise(int flag) {
    if (finished() || question().mode == asking::AskMode::Meaning) return false;
    if (!answers_[current_].typed.raise(flag)) return false;
    keep(current_);
    return true;
}

bool TicketSitting::type(char symbol) {
    const auto flag = codebook::flagIndexOfSymbol(symbol);
    return flag && raise(*flag);
}

bool TicketSitting::takeBack() {
    if (finished() || !answers_[current_].typed.takeBack()) return false;
    keep(current_);
    return true;
}

void TicketSitting::pick(std::size_t place) {
    if (finished() || question().mode != asking::AskMode::Meaning || place >= question().choices.size()) return;
    answers_[current_].chosen = place;
    keep(current_);
}

std::string TicketSitting::givenCode(std::size_t place) const {
    const ExamAnswer& a = answers_.at(place);
    const TicketQuestion& q = ticket_.questions.at(place);
    if (q.mode == asking::AskMode::Meaning) return a.chosen ? q.choices.at(*a.chosen)->code : std::string();
    return a.typed.code();
}

bool TicketSitting::isRight(std::size_t place, const std::string& given) const {
    const TicketQuestion& q = ticket_.questions.at(place);
    return asking::judge(q, given, pool_.signalsIn(q.set)).correct;
}

asking::Keeping TicketSitting::writeAnswer(std::size_t place) {
    const TicketQuestion& q = ticket_.questions.at(place);
    const std::string given = givenCode(place);
    return keeper_.saveAnswer(
        *kept_,
        {static_cast<int>(place), q.kind, q.signal->code, given, isRight(place, given), answers_[place].typed.flags()},
        timeUsed());
}

std::chrono::seconds TicketSitting::timeUsed() const {
    auto used = std::chrono::duration_cast<std::chrono::seconds>(clock_() - startedAt_);
    if (limit_) used = std::min<std::chrono::seconds>(used, *limit_);
    return std::max(used, std::chrono::seconds(0));
}

void TicketSitting::leave() {
    if (finished()) return;
    writeWaiting();
    if (kept_ && !waiting()) keeper_.saveTimeUsed(*kept_, timeUsed());
}

void TicketSitting::keep(std::size_t place) {
    unwritten_.insert(place);
    writeWaiting();
}

void TicketSitting::forgetWaiting() {
    unwritten_.clear();
    end_.reset();
}

bool TicketSitting::writeWaiting() {
    if (!waiting()) return false;
    if (!kept_) {
        // The ticket goes to the keeper with its first answer (or when handed in blank).
        const TicketKept started = keeper_.startTicket(
            {ticket_.number, ticket_.scope, static_cast<int>(questionCount()), startedAt_, limit_, ticket_.draw});
        if (started.keeping == asking::Keeping::Pending) return true;
        if (!started.id) {
            forgetWaiting();
            return false;
        }
        kept_ = started.id;
    }
    for (auto place = unwritten_.begin(); place != unwritten_.end(); place = unwritten_.erase(place))
        if (writeAnswer(*place) == asking::Keeping::Pending) return true;
    if (end_) {
        if (keeper_.finishTicket(*kept_, *end_) == asking::Keeping::Pending) return true;
        end_.reset();
    }
    return false;
}

void TicketSitting::handIn() {
    if (!finished()) finish(false);
}

bool TicketSitting::checkTime() {
    if (finished() || !limit_ || clock_() < startedAt_ + *limit_) return false;
    finish(true);
    return true;
}

std::optional<std::chrono::seconds> TicketSitting::timeLeft() const {
    if (!limit_) return std::nullopt;
    const auto left = std::chrono::duration_cast<std::chrono::seconds>(startedAt_ + *limit_ - clock_());
    return std::max(left, std::chrono::seconds(0));
}

void TicketSitting::finish(bool timedOut) {
    const asking::TimePoint now = clock_();
    ExamResult r;
    r.timedOut = timedOut;
    r.taken = timeUsed();
    for (std::size_t place = 0; place < answers_.size(); ++place) {
        const TicketQuestion& q = ticket_.questions[place];
        QuestionResult qr{asking::judge(q, givenCode(place), pool_.signalsIn(q.set)), &q};
        // Unanswered counts as wrong, whether the time ran out or not.
        if (qr.correct) {
            ++r.right;
        } else {
            ++r.mistakes;
            if (q.gross) ++r.grossErrors;
        }
        r.questions.push_back(std::move(qr));
    }
    r.passed = r.grossErrors == 0 && r.mistakes <= mistakesAllowed(static_cast<int>(questionCount()));
    end_ = TicketEnd{now, r.right, r.mistakes, r.grossErrors, r.passed, r.timedOut};
    result_ = std::move(r);
    writeWaiting();
}

}  // namespace mss::exam
