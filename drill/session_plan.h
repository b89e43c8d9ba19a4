// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which cards a session asks, in which order: first the cards that are due,
// the longest overdue first; then a few cards never asked before; then, if
// the session is still short, the cards that will be due soonest.

#include <span>
#include <vector>

#include "card_state.h"
#include "random_source.h"

namespace mss::drill {

struct SessionOptions {
    int questions = 20;
    int newCardsAtMost = 10;
};

// `pool` is every card the learner chose to drill, each once; `states` holds
// what is known of them (a card missing there is new). Cards equally urgent
// (the same due time, or both new) are ordered by numbers drawn from
// `random`, one per card of the pool in the pool's order. The result has at
// most `options.questions` cards, each at most once.
std::vector<CardKey> planSession(std::span<const CardKey> pool, const CardStates& states, TimePoint now,
                                 const SessionOptions& options, const RandomSource& random);

}  // namespace mss::drill
