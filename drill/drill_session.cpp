// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill_session.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace mss::drill {

DrillSession::DrillSession(std::vector<CardKey> questions, CardStates states, asking::Clock clock, Review review)
    : questions_(std::move(questions)), states_(std::move(states)), clock_(std::move(clock)), review_(review) {}

Answer DrillSession::answer(std::string given, bool correct) {
    const CardKey card = currentCard();
    ++next_;
    const asking::TimePoint now = clock_();

    std::optional<CardState> before;
    if (const auto known = states_.find(card); known != states_.end()) before = known->second;
    const CardState after = afterAnswer(before, correct, now, review_);
    states_.insert_or_assign(card, after);

    tally_.count(card, given, correct);
    if (!correct && std::find(wrongSinceRepeat_.begin(), wrongSinceRepeat_.end(), card) == wrongSinceRepeat_.end())
        wrongSinceRepeat_.push_back(card);
    return Answer{card, std::move(given), correct, now, after};
}

std::size_t DrillSession::repeatMistakes() {
    const std::size_t added = wrongSinceRepeat_.size();
    questions_.insert(questions_.end(), wrongSinceRepeat_.begin(), wrongSinceRepeat_.end());
    wrongSinceRepeat_.clear();
    return added;
}

void DrillSession::stopEarly() { questions_.resize(next_); }

}  // namespace mss::drill
