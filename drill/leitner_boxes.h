// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Leitner boxes. Each box waits longer before its card comes again; a
// card moves up one box only when it was due — answered right at or after its
// due time. A right answer before that keeps the box and the due time, and a
// wrong answer sends the card back to the first box, due at once.
//
// Since a box is left upwards only after its whole wait, the box tells how
// far apart the card's last right answers were: a card in box 5 was answered
// right at least a week (the wait of box 4) after the answer before it.

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <span>

#include "card_state.h"

namespace mss::drill {

inline constexpr int kBoxCount = 7;
inline constexpr int kFirstBox = 0;
inline constexpr int kTopBox = kBoxCount - 1;

// How long a card of each box waits: at once, 10 minutes, 1, 3, 7, 21 and 60 days.
inline constexpr std::array<std::chrono::seconds, kBoxCount> kBoxDelays = {
    std::chrono::seconds{0}, std::chrono::minutes{10}, std::chrono::days{1}, std::chrono::days{3},
    std::chrono::days{7},    std::chrono::days{21},    std::chrono::days{60},
};

std::chrono::seconds delayOfBox(int box);

// A card is learned when its last move up came at least a week after the one
// before it: when it left a box that waits a week or more. With the waits
// above that is box 5 and up.
constexpr bool isLearned(int box) {
    return box > kFirstBox && box <= kTopBox && kBoxDelays[static_cast<std::size_t>(box - 1)] >= std::chrono::days{7};
}
inline constexpr int kFirstLearnedBox = 5;
static_assert(isLearned(kFirstLearnedBox) && !isLearned(kFirstLearnedBox - 1));

// A card is due from its due time on (a new card, with no state yet, at once).
inline bool isDue(const CardState& state, asking::TimePoint now) { return state.due <= now; }

// How an answer was asked: in a session of what is due, or ahead of time when
// the learner asks to review early (where a right answer never moves a card up).
enum class Review { Scheduled, Early };

// The state of a card after an answer given at `now`. `before` is empty for a
// new card, which is due at once.
CardState afterAnswer(const std::optional<CardState>& before, bool correct, asking::TimePoint now,
                      Review review = Review::Scheduled);

// One answer as kept in the history of a card.
struct PastAnswer {
    asking::TimePoint at;
    bool correct = false;
};

// The state a card's history leads to, answered in the order given (oldest
// first) and each as a scheduled answer; empty for no answers. Lets a state
// reached by an older, looser rule be worked out afresh from the answers.
std::optional<CardState> replayAnswers(std::span<const PastAnswer> history);

}  // namespace mss::drill
