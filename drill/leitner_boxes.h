// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Leitner boxes: a right answer moves a card up one box, a wrong one back
// to the first box, and each box waits longer before the card comes again.

#include <array>
#include <chrono>
#include <optional>

#include "card_state.h"

namespace mss::drill {

inline constexpr int kBoxCount = 7;
inline constexpr int kFirstBox = 0;
inline constexpr int kTopBox = kBoxCount - 1;
// From this box on (a week or more between questions) a card counts as learned.
inline constexpr int kFirstLearnedBox = 4;

// How long a card of each box waits: at once, 10 minutes, 1, 3, 7, 21 and 60 days.
std::chrono::seconds delayOfBox(int box);

constexpr bool isLearned(int box) { return box >= kFirstLearnedBox; }

// The state of a card after an answer given at `now`. `before` is empty for a
// new card. With `mayMoveUp` false a right answer keeps the card in its box
// (it was moved up earlier in the same session); a wrong answer always sends
// it to the first box.
CardState afterAnswer(const std::optional<CardState>& before, bool correct, TimePoint now, bool mayMoveUp);

}  // namespace mss::drill
