// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far the learner has come with one card. A card that has never been
// answered has no state at all: it is new.

#include <unordered_map>

#include "asking/clock.h"
#include "card_key.h"

namespace mss::drill {

struct CardState {
    int box = 0;              // Leitner box, 0 (first) .. 6 (top)
    asking::TimePoint due;    // asked again from this moment on
    asking::TimePoint lastAnswered;

    friend bool operator==(const CardState&, const CardState&) = default;
};

using CardStates = std::unordered_map<CardKey, CardState, CardKeyHash>;

}  // namespace mss::drill
