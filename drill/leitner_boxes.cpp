// SPDX-License-Identifier: GPL-3.0-or-later
#include "leitner_boxes.h"

#include <algorithm>

namespace mss::drill {

std::chrono::seconds delayOfBox(int box) {
    return kBoxDelays[static_cast<std::size_t>(std::clamp(box, kFirstBox, kTopBox))];
}

CardState afterAnswer(const std::optional<CardState>& before, bool correct, asking::TimePoint now, Review review) {
    if (!correct) return CardState{kFirstBox, now + delayOfBox(kFirstBox), now};
    if (!before) {
        const int box = review == Review::Early ? kFirstBox : kFirstBox + 1;
        return CardState{box, now + delayOfBox(box), now};
    }
    const int box = std::clamp(before->box, kFirstBox, kTopBox);
    if (review == Review::Early || !isDue(*before, now)) return CardState{box, before->due, now};
    const int up = std::min(box + 1, kTopBox);
    return CardState{up, now + delayOfBox(up), now};
}

std::optional<CardState> replayAnswers(std::span<const PastAnswer> history) {
    std::optional<CardState> state;
    for (const PastAnswer& answer : history) state = afterAnswer(state, answer.correct, answer.at);
    return state;
}

}  // namespace mss::drill
