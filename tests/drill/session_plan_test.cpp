// SPDX-License-Identifier: GPL-3.0-or-later
// The plan of a session: due cards first (longest overdue first), then a
// limited number of new cards, and nothing that is not due; an early review
// of the cards not due yet, the soonest first; ties in a random order that
// one seed always repeats; and what a pool holds, so that a session with
// nothing to ask can say so.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "asking/manual_clock.h"
#include "drill/session_plan.h"

namespace mss::drill {
namespace {

using asking::AskMode;
using asking::seededRandomSource;
using asking::SignalSet;

using namespace std::chrono_literals;
using asking::testing::kMorning;

constexpr std::uint64_t kSeed = 20261210;

// One card of a test pool: its code, and when it is due relative to now
// (empty: a new card).
struct PoolCard {
    std::string code;
    std::optional<std::chrono::seconds> dueFromNow;
};

std::vector<PoolCard> newCards(const std::string& prefix, int count) {
    std::vector<PoolCard> cards;
    for (int i = 0; i < count; ++i) cards.push_back({prefix + std::to_string(i), std::nullopt});
    return cards;
}

// `count` cards due one minute apart, the first at `first` from now.
std::vector<PoolCard> cardsDueFrom(const std::string& prefix, std::chrono::seconds first, int count) {
    std::vector<PoolCard> cards;
    for (int i = 0; i < count; ++i) cards.push_back({prefix + std::to_string(i), first + std::chrono::minutes(i)});
    return cards;
}

std::vector<PoolCard> joined(std::initializer_list<std::vector<PoolCard>> parts) {
    std::vector<PoolCard> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

CardKey keyOf(const std::string& code) { return {SignalSet::General, AskMode::Meaning, code}; }

struct Deck {
    std::vector<CardKey> pool;
    CardStates states;
};

Deck deckOf(const std::vector<PoolCard>& cards) {
    Deck deck;
    for (const PoolCard& card : cards) {
        deck.pool.push_back(keyOf(card.code));
        if (card.dueFromNow) deck.states[keyOf(card.code)] = CardState{2, kMorning + *card.dueFromNow, kMorning - 72h};
    }
    return deck;
}

std::vector<std::string> codesOf(const std::vector<CardKey>& plan) {
    std::vector<std::string> codes;
    for (const CardKey& card : plan) codes.push_back(card.code);
    return codes;
}

std::string listed(const std::vector<std::string>& codes) {
    std::string text;
    for (const auto& code : codes) text += code + ' ';
    return text;
}

std::vector<std::string> plannedCodes(const Deck& deck, const SessionOptions& options, std::uint64_t seed) {
    return codesOf(planSession(deck.pool, deck.states, kMorning, options, seededRandomSource(seed)));
}

std::vector<std::string> earlyCodes(const Deck& deck, int questions, std::uint64_t seed) {
    return codesOf(planEarlyReview(deck.pool, deck.states, kMorning, questions, seededRandomSource(seed)));
}

struct PlanCase {
    const char* name;
    std::vector<PoolCard> cards;
    SessionOptions options;
    // What each place of the plan holds: a card's code, or "new" for any new
    // card (new cards come in a random order).
    std::vector<std::string> expected;
};

TEST(SessionPlan, AsksDueThenNewAndNothingNotDue) {
    std::vector<std::string> twentyMostOverdue;
    for (int i = 0; i < 20; ++i) twentyMostOverdue.push_back("D" + std::to_string(i));
    const PlanCase cases[] = {
        {"due first, the longest overdue first; then new; the cards not due wait",
         {{"A", -2h}, {"B", -24h}, {"C", std::nullopt}, {"D", std::nullopt}, {"E", 3 * 24h}, {"F", 1h}},
         {},
         {"B", "A", "new", "new"}},
        {"a card due this very second is due, one due a second later is not",
         {{"later", 1s}, {"new", std::nullopt}, {"now", 0s}},
         {},
         {"now", "new"}},
        {"no more than ten new cards, and the session is not topped up with cards not due",
         joined({newCards("N", 15), cardsDueFrom("L", 1h, 3)}),
         {},
         {"new", "new", "new", "new", "new", "new", "new", "new", "new", "new"}},
        {"due cards fill the whole session, however many new cards wait",
         joined({newCards("N", 5), cardsDueFrom("D", -30 * 24h, 25)}),
         {},
         twentyMostOverdue},
        {"a smaller session and a smaller new-card limit",
         joined({newCards("N", 4), cardsDueFrom("L", 10min, 5), {{"due", -1s}}}),
         {.questions = 5, .newCardsAtMost = 2},
         {"due", "new", "new"}},
        {"a pool smaller than the session gives every card due or new once",
         {{"X", -5h}, {"Y", std::nullopt}, {"Z", -6h}},
         {},
         {"Z", "X", "new"}},
        {"nothing due and nothing new: nothing to ask", cardsDueFrom("L", 1s, 4), {}, {}},
        {"a session of no questions", joined({newCards("N", 3), cardsDueFrom("D", -1h, 3)}), {.questions = 0}, {}},
        {"no new cards allowed", joined({newCards("N", 3), cardsDueFrom("D", -1h, 2)}), {.newCardsAtMost = 0},
         {"D0", "D1"}},
    };
    for (const PlanCase& c : cases) {
        const Deck deck = deckOf(c.cards);
        const std::vector<std::string> plan = plannedCodes(deck, c.options, kSeed);
        SCOPED_TRACE(std::string(c.name) + "; plan: " + listed(plan) + "; seed " + std::to_string(kSeed));
        ASSERT_EQ(plan.size(), c.expected.size());
        for (std::size_t i = 0; i < plan.size(); ++i) {
            if (c.expected[i] == "new") {
                EXPECT_FALSE(deck.states.contains(keyOf(plan[i]))) << "place " << i << " should be a new card";
            } else {
                EXPECT_EQ(plan[i], c.expected[i]) << "place " << i;
            }
        }
        EXPECT_EQ(std::set<std::string>(plan.begin(), plan.end()).size(), plan.size()) << "a card asked twice";
    }
}

// Forty-two cards where the order rests on the random draws alone: thirty-six
// new cards, and six due at the same moment.
Deck deckOfTies() {
    std::vector<PoolCard> cards = newCards("N", 36);
    for (int i = 0; i < 6; ++i) cards.push_back({"T" + std::to_string(i), -1h});
    return deckOf(cards);
}

TEST(SessionPlan, OneSeedAlwaysGivesTheSameOrder) {
    const Deck deck = deckOfTies();
    for (const std::uint64_t seed : {std::uint64_t{1}, std::uint64_t{2}, kSeed}) {
        const auto first = plannedCodes(deck, {}, seed);
        const auto second = plannedCodes(deck, {}, seed);
        EXPECT_EQ(first, second) << "seed " << seed;
    }
    // Pinned, so that a change in how the draws are spent (which would give
    // every learner a different drill for the same seed) does not go unseen.
    EXPECT_EQ(listed(plannedCodes(deck, {.questions = 8}, kSeed)), "T1 T4 T5 T0 T3 T2 N18 N26 ")
        << "seed " << kSeed;
}

TEST(SessionPlan, TiesAreBrokenDifferentlyByDifferentSeeds) {
    const Deck deck = deckOfTies();
    std::set<std::string> firstDue;
    std::set<std::string> firstNew;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        const auto plan = plannedCodes(deck, {}, seed);
        ASSERT_EQ(plan.size(), 16u) << "seed " << seed;
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_EQ(plan[i][0], 'T') << "seed " << seed << ": the due cards come before the new ones";
        firstDue.insert(plan[0]);
        firstNew.insert(plan[6]);
    }
    // Thirty seeds: with a fair draw each set misses this bound with a
    // negligible chance, and the seeds are fixed anyway.
    EXPECT_GE(firstDue.size(), 4u) << "the drill starts from the same due card whatever the seed (seeds 1..30)";
    EXPECT_GE(firstNew.size(), 10u) << "the new cards start from the same card whatever the seed (seeds 1..30)";
}

TEST(SessionPlan, ARandomSourceNeverOverridesTheDueOrder) {
    // Due times a minute apart: no two cards tie, so every seed gives the same plans.
    const Deck deck = deckOf(joined({cardsDueFrom("D", -5h, 8), cardsDueFrom("L", 1s, 8)}));
    const auto reference = plannedCodes(deck, {.questions = 12}, 1);
    const auto earlyReference = earlyCodes(deck, 6, 1);
    EXPECT_EQ(listed(reference), "D0 D1 D2 D3 D4 D5 D6 D7 ");
    EXPECT_EQ(listed(earlyReference), "L0 L1 L2 L3 L4 L5 ");
    for (std::uint64_t seed = 2; seed <= 10; ++seed) {
        EXPECT_EQ(plannedCodes(deck, {.questions = 12}, seed), reference) << "seed " << seed;
        EXPECT_EQ(earlyCodes(deck, 6, seed), earlyReference) << "seed " << seed;
    }
}

TEST(SessionPlan, AnEarlyReviewAsksOnlyCardsNotDueTheSoonestFirst) {
    struct Case {
        const char* name;
        std::vector<PoolCard> cards;
        int questions;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"neither due nor new cards",
         {{"A", -2h}, {"B", std::nullopt}, {"C", 3 * 24h}, {"D", 1h}, {"E", 0s}, {"F", 1s}},
         20,
         {"F", "D", "C"}},
        {"no more than asked for", cardsDueFrom("L", 10min, 6), 4, {"L0", "L1", "L2", "L3"}},
        {"nothing waiting: nothing to review", joined({newCards("N", 3), cardsDueFrom("D", -1h, 2)}), 20, {}},
        {"no questions", cardsDueFrom("L", 1h, 3), 0, {}},
    };
    for (const Case& c : cases) {
        const Deck deck = deckOf(c.cards);
        const std::vector<std::string> plan = earlyCodes(deck, c.questions, kSeed);
        SCOPED_TRACE(std::string(c.name) + "; plan: " + listed(plan) + "; seed " + std::to_string(kSeed));
        EXPECT_EQ(plan, c.expected);
    }
}

TEST(SessionPlan, ThePoolTellsWhenThereIsNothingToAsk) {
    struct Case {
        const char* name;
        std::vector<PoolCard> cards;
        std::size_t due, fresh, waiting;
        std::optional<std::chrono::seconds> nextDueFromNow;
        bool nothingToAsk;
    };
    const Case cases[] = {
        {"due, new and waiting cards", joined({cardsDueFrom("D", -1h, 2), newCards("N", 3), cardsDueFrom("L", 2h, 4)}),
         2, 3, 4, 2h, false},
        {"only waiting cards: nothing to ask until the first falls due",
         {{"A", 3 * 24h}, {"B", 10min}, {"C", 24h}}, 0, 0, 3, 10min, true},
        {"a card due this very second is there to ask", {{"A", 0s}, {"B", 5min}}, 1, 0, 1, 5min, false},
        {"only new cards", newCards("N", 2), 0, 2, 0, std::nullopt, false},
        {"an empty pool", {}, 0, 0, 0, std::nullopt, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Deck deck = deckOf(c.cards);
        const PoolStatus status = poolStatus(deck.pool, deck.states, kMorning);
        EXPECT_EQ(status.due, c.due);
        EXPECT_EQ(status.fresh, c.fresh);
        EXPECT_EQ(status.waiting, c.waiting);
        if (c.nextDueFromNow) {
            EXPECT_EQ(status.nextDue, kMorning + *c.nextDueFromNow);
        } else {
            EXPECT_EQ(status.nextDue, std::nullopt);
        }
        EXPECT_EQ(status.nothingToAsk(), c.nothingToAsk);
        EXPECT_EQ(plannedCodes(deck, {}, kSeed).empty(), c.nothingToAsk) << "the plan and the pool disagree";
    }
}

}  // namespace
}  // namespace mss::drill
