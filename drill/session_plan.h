// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which cards a session asks, in which order. A session asks the cards that
// are due, the longest overdue first, then a few cards never asked before,
// and nothing else: a card that is not due yet waits for its time, unless
// the learner asks to review early, which asks only such cards, the soonest
// due first (and whose answers never move a card up).

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "asking/random_source.h"
#include "card_state.h"

namespace mss::drill {

// A session has this many questions, new signals included.
inline constexpr int kQuestionsPerSession = 20;

struct SessionOptions {
    int questions = kQuestionsPerSession;
    int newCardsAtMost = 10;
};

// `pool` is every card the learner chose to drill, each once; `states` holds
// what is known of them (a card missing there is new). Cards equally urgent
// (the same due time, or both new) are ordered by numbers drawn from
// `random`, one per card of the pool in the pool's order. The result has at
// most `options.questions` cards, each at most once, and is empty when
// nothing is due and no new card is left (see `poolStatus`).
std::vector<CardKey> planSession(std::span<const CardKey> pool, const CardStates& states, asking::TimePoint now,
                                 const SessionOptions& options, const asking::RandomSource& random);

// An early review: at most `questions` cards that are not due yet, the
// soonest due first; ties as in `planSession`. Ask it in a session of
// `Review::Early`.
std::vector<CardKey> planEarlyReview(std::span<const CardKey> pool, const CardStates& states, asking::TimePoint now,
                                     int questions, const asking::RandomSource& random);

// How many cards of a pool are due, new and waiting at `now`.
struct PoolStatus {
    std::size_t due = 0;
    std::size_t fresh = 0;
    std::size_t waiting = 0;            // answered before and not due yet
    std::optional<asking::TimePoint> nextDue;  // when the first waiting card falls due

    // Nothing due and no new card left: a session has nothing to ask, and
    // only an early review (when cards are waiting) has.
    bool nothingToAsk() const { return due == 0 && fresh == 0; }
};

PoolStatus poolStatus(std::span<const CardKey> pool, const CardStates& states, asking::TimePoint now);

}  // namespace mss::drill
