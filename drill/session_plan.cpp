// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_plan.h"

#include <algorithm>
#include <cstdint>

#include "leitner_boxes.h"

namespace mss::drill {

namespace {

struct Candidate {
    asking::TimePoint due;
    std::uint64_t tieBreak;
    const CardKey* card;
};

// The cards of a pool, with a number drawn for each in the pool's order.
struct Sorted {
    std::vector<Candidate> due;
    std::vector<Candidate> fresh;
    std::vector<Candidate> waiting;
};

Sorted sortOut(std::span<const CardKey> pool, const CardStates& states, asking::TimePoint now,
               const asking::RandomSource& random) {
    Sorted sorted;
    for (const CardKey& card : pool) {
        const std::uint64_t tieBreak = random();
        const auto state = states.find(card);
        if (state == states.end())
            sorted.fresh.push_back({asking::TimePoint{}, tieBreak, &card});
        else if (isDue(state->second, now))
            sorted.due.push_back({state->second.due, tieBreak, &card});
        else
            sorted.waiting.push_back({state->second.due, tieBreak, &card});
    }
    return sorted;
}

bool moreUrgent(const Candidate& a, const Candidate& b) {
    if (a.due != b.due) return a.due < b.due;
    return a.tieBreak < b.tieBreak;
}

std::size_t atLeastNone(int count) { return static_cast<std::size_t>(std::max(count, 0)); }

// Moves the `count` most urgent candidates of `group`, in order, to `plan`.
void takeMostUrgent(std::vector<Candidate>& group, std::size_t count, std::vector<CardKey>& plan) {
    count = std::min(count, group.size());
    std::partial_sort(group.begin(), group.begin() + static_cast<std::ptrdiff_t>(count), group.end(), moreUrgent);
    for (std::size_t i = 0; i < count; ++i) plan.push_back(*group[i].card);
}

}  // namespace

std::vector<CardKey> planSession(std::span<const CardKey> pool, const CardStates& states, asking::TimePoint now,
                                 const SessionOptions& options, const asking::RandomSource& random) {
    Sorted sorted = sortOut(pool, states, now, random);
    const std::size_t wanted = atLeastNone(options.questions);
    std::vector<CardKey> plan;
    takeMostUrgent(sorted.due, wanted, plan);
    takeMostUrgent(sorted.fresh, std::min(wanted - plan.size(), atLeastNone(options.newCardsAtMost)), plan);
    return plan;
}

std::vector<CardKey> planEarlyReview(std::span<const CardKey> pool, const CardStates& states, asking::TimePoint now,
                                     int questions, const asking::RandomSource& random) {
    Sorted sorted = sortOut(pool, states, now, random);
    std::vector<CardKey> plan;
    takeMostUrgent(sorted.waiting, atLeastNone(questions), plan);
    return plan;
}

PoolStatus poolStatus(std::span<const CardKey> pool, const CardStates& states, asking::TimePoint now) {
    PoolStatus status;
    for (const CardKey& card : pool) {
        const auto state = states.find(card);
        if (state == states.end()) {
            ++status.fresh;
        } else if (isDue(state->second, now)) {
            ++status.due;
        } else {
            ++status.waiting;
            if (!status.nextDue || state->second.due < *status.nextDue) status.nextDue = state->second.due;
        }
    }
    return status;
}

}  // namespace mss::drill
