// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam_flow.h"

#include <algorithm>

#include "codebook/flag_catalogue.h"

namespace mss::exam {

namespace {

using drill::DrillMode;

}  // namespace

int ExamResult::percent() const {
    const int asked = static_cast<int>(questions.size());
    return asked == 0 ? 0 : (200 * right + asked) / (2 * asked);  // rounded half up
}

ExamFlow::ExamFlow(const ExamPool& pool, Ticket ticket, ExamKeeper& keeper, drill::Clock clock,
                   std::optional<std::chrono::minutes> limit)
    : pool_(pool), ticket_(std::move(ticket)), keeper_(keeper), clock_(std::move(clock)), limit_(limit),
      startedAt_(clock_()) {
    for (const TicketQuestion& q : ticket_.questions)
        answers_.push_back({drill::TypedAnswer(q.set, modeOf(q.kind), *q.signal), std::nullopt});
}

bool ExamFlow::answered(std::size_t place) const {
    const ExamAnswer& a = answers_.at(place);
    return a.chosen.has_value() || !a.typed.empty();
}

std::size_t ExamFlow::answeredCount() const {
    std::size_t n = 0;
    for (std::size_t i = 0; i < answers_.size(); ++i) n += answered(i) ? 1 : 0;
    return n;
}

void ExamFlow::goTo(std::size_t place) {
    if (!finished() && place < answers_.size()) current_ = place;
}

void ExamFlow::next() { goTo(current_ + 1); }

void ExamFlow::previous() {
    if (current_ > 0) goTo(current_ - 1);
}

bool ExamFlow::raise(int flag) {
    if (finished() || modeOf(question().kind) == DrillMode::Meaning) return false;
    if (!answers_[current_].typed.raise(flag)) return false;
    keep(current_);
    return true;
}

bool ExamFlow::type(char symbol) {
    const auto flag = codebook::flagIndexOfSymbol(symbol);
    return flag && raise(*flag);
}

bool ExamFlow::takeBack() {
    if (finished() || !answers_[current_].typed.takeBack()) return false;
    keep(current_);
    return true;
}

void ExamFlow::pick(std::size_t place) {
    if (finished() || modeOf(question().kind) != DrillMode::Meaning || place >= question().choices.size()) return;
    answers_[current_].chosen = place;
    keep(current_);
}

std::string ExamFlow::givenCode(std::size_t place) const {
    const ExamAnswer& a = answers_.at(place);
    const TicketQuestion& q = ticket_.questions.at(place);
    if (modeOf(q.kind) == DrillMode::Meaning) return a.chosen ? q.choices.at(*a.chosen)->code : std::string();
    return a.typed.code();
}

bool ExamFlow::isRight(std::size_t place, const std::string& given) const {
    const TicketQuestion& q = ticket_.questions.at(place);
    return !given.empty() && drill::isRightAnswer(modeOf(q.kind), *q.signal, given, pool_.signalsIn(q.set));
}

bool ExamFlow::startKeeping() {
    if (kept_) return true;
    kept_ = keeper_.startTicket({ticket_.number, ticket_.scope, static_cast<int>(questionCount()), startedAt_, limit_});
    if (!kept_) return false;
    // The ticket could not be written before: what was answered so far goes with it now.
    for (std::size_t place = 0; place < answers_.size(); ++place)
        if (answered(place)) keepAnswer(place);
    return true;
}

void ExamFlow::keepAnswer(std::size_t place) {
    const TicketQuestion& q = ticket_.questions.at(place);
    const std::string given = givenCode(place);
    keeper_.saveAnswer(*kept_, {static_cast<int>(place), q.kind, q.signal->code, given, isRight(place, given)});
}

void ExamFlow::keep(std::size_t place) {
    const bool started = kept_.has_value();
    if (startKeeping() && started) keepAnswer(place);
}

void ExamFlow::handIn() {
    if (!finished()) finish(false);
}

bool ExamFlow::checkTime() {
    if (finished() || !limit_ || clock_() < startedAt_ + *limit_) return false;
    finish(true);
    return true;
}

std::optional<std::chrono::seconds> ExamFlow::timeLeft() const {
    if (!limit_) return std::nullopt;
    const auto left = std::chrono::duration_cast<std::chrono::seconds>(startedAt_ + *limit_ - clock_());
    return std::max(left, std::chrono::seconds(0));
}

void ExamFlow::finish(bool timedOut) {
    const drill::TimePoint now = clock_();
    ExamResult r;
    r.timedOut = timedOut;
    r.taken = std::chrono::duration_cast<std::chrono::seconds>(now - startedAt_);
    if (limit_) r.taken = std::min<std::chrono::seconds>(r.taken, *limit_);
    for (std::size_t place = 0; place < answers_.size(); ++place) {
        const TicketQuestion& q = ticket_.questions[place];
        QuestionResult qr{&q, givenCode(place), nullptr, false};
        qr.givenSignal = drill::findSignal(pool_.signalsIn(q.set), qr.given);
        qr.correct = isRight(place, qr.given);
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
    if (startKeeping()) keeper_.finishTicket(*kept_, {now, r.right, r.mistakes, r.grossErrors, r.passed, r.timedOut});
    result_ = std::move(r);
}

}  // namespace mss::exam
