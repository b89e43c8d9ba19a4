// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_plan.h"

#include <algorithm>
#include <cstdint>

namespace mss::drill {

namespace {

struct Candidate {
    TimePoint due;
    std::uint64_t tieBreak;
    const CardKey* card;
};

bool moreUrgent(const Candidate& a, const Candidate& b) {
    if (a.due != b.due) return a.due < b.due;
    return a.tieBreak < b.tieBreak;
}

// Moves the `count` most urgent candidates of `group`, in order, to `plan`.
void takeMostUrgent(std::vector<Candidate>& group, std::size_t count, std::vector<CardKey>& plan) {
    count = std::min(count, group.size());
    std::partial_sort(group.begin(), group.begin() + static_cast<std::ptrdiff_t>(count), group.end(), moreUrgent);
    for (std::size_t i = 0; i < count; ++i) plan.push_back(*group[i].card);
}

}  // namespace

std::vector<CardKey> planSession(std::span<const CardKey> pool, const CardStates& states, TimePoint now,
                                 const SessionOptions& options, const RandomSource& random) {
    std::vector<Candidate> due;
    std::vector<Candidate> fresh;
    std::vector<Candidate> later;
    for (const CardKey& card : pool) {
        const std::uint64_t tieBreak = random();
        const auto state = states.find(card);
        if (state == states.end())
            fresh.push_back({TimePoint{}, tieBreak, &card});
        else if (state->second.due <= now)
            due.push_back({state->second.due, tieBreak, &card});
        else
            later.push_back({state->second.due, tieBreak, &card});
    }

    const auto wanted = static_cast<std::size_t>(std::max(options.questions, 0));
    std::vector<CardKey> plan;
    plan.reserve(std::min(wanted, pool.size()));
    takeMostUrgent(due, wanted, plan);
    takeMostUrgent(fresh, std::min(wanted - plan.size(), static_cast<std::size_t>(std::max(options.newCardsAtMost, 0))),
                   plan);
    takeMostUrgent(later, wanted - plan.size(), plan);
    return plan;
}

}  // namespace mss::drill
