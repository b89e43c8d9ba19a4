// SPDX-License-Identifier: GPL-3.0-or-later
// Every scenario the program carries: its groups are the code's, its hoists
// fly with one set, every branch ends with the end of signal answered, and
// the learner can play it through on each ship it allows.

#include <gtest/gtest.h>

#include <algorithm>

#include "codebook/message/message_reading.h"
#include "data/exchanges_bytes.h"
#include "exchange/message_match.h"
#include "exchange_driver.h"
#include "support/shipped_book.h"

namespace mss::exchange {
namespace {

const std::vector<Scenario>& shipped() {
    static const std::vector<Scenario> scenarios = testing::scenariosOf(data::exchangesBytes());
    return scenarios;
}

// Every hoist a scenario's signal may fly, garbled ones apart.
template <typename Visit>
void forEachHoist(const Signal& signal, Visit visit) {
    for (const Message& m : signal.messages)
        for (const TextHoist& h : m) visit(h);
    for (const TextHoist& h : signal.notUnderstoodReplies) visit(h);
}

TEST(ShippedScenarios, AreManyAndCoverComplementsAndNotUnderstood) {
    EXPECT_GE(shipped().size(), 30u);
    int withComplement = 0, notUnderstood = 0;
    for (const Scenario& s : shipped()) {
        EXPECT_FALSE(s.title.empty()) << s.name;
        EXPECT_FALSE(s.situation.empty()) << s.name;
        bool complement = false, zlOrZq = false;
        for (const Signal& signal : s.signalSequence) {
            forEachHoist(signal, [&](const TextHoist& h) {
                for (const auto& g : codebook::message::readMessage(mss::testing::shippedBook(), h).groups)
                    if (g.kind == codebook::message::GroupKind::Complement) complement = true;
            });
            for (const TextHoist& r : signal.notUnderstoodReplies)
                if (r == TextHoist{"ZL"} || r == TextHoist{"ZQ"}) zlOrZq = true;
        }
        withComplement += complement;
        notUnderstood += zlOrZq;
    }
    EXPECT_GE(withComplement, 5);
    EXPECT_GE(notUnderstood, 3);
}

TEST(ShippedScenarios, EveryGroupIsOfTheCodeAndEveryHoistFliesWithOneSet) {
    for (const Scenario& s : shipped())
        for (const Signal& signal : s.signalSequence) {
            forEachHoist(signal, [&](const TextHoist& h) {
                EXPECT_EQ(halyardRefusal(h), std::nullopt) << s.name;
                const auto reading = codebook::message::readMessage(mss::testing::shippedBook(), h);
                EXPECT_TRUE(reading.ok())
                    << s.name << ", line " << signal.line << ": " << (reading.ok() ? "" : reading.refusal->reason);
            });
            if (signal.garbled) {
                EXPECT_EQ(halyardRefusal(*signal.garbled), std::nullopt) << s.name;
                for (const Message& m : signal.messages)
                    EXPECT_EQ(std::find(m.begin(), m.end(), *signal.garbled), m.end())
                        << s.name << ": the hoist that makes no sense is among the accepted ones";
            }
        }
}

// Every combination of accepted messages and replies.
std::vector<ExchangeChoices> branchesOf(const Scenario& s) {
    std::vector<ExchangeChoices> branches{firstChoices(s)};
    for (std::size_t i = 0; i < s.signalSequence.size(); ++i) {
        std::vector<ExchangeChoices> more;
        for (const ExchangeChoices& b : branches)
            for (std::size_t m = 0; m < s.signalSequence[i].messages.size(); ++m)
                for (std::size_t r = 0; r < std::max<std::size_t>(1, s.signalSequence[i].notUnderstoodReplies.size());
                     ++r) {
                    ExchangeChoices c = b;
                    c.message[i] = static_cast<int>(m);
                    c.reply[i] = static_cast<int>(r);
                    more.push_back(c);
                }
        if (!more.empty()) branches = std::move(more);
    }
    return branches;
}

TEST(ShippedScenarios, EveryBranchEndsEachSignalWithTheEndOfSignalAnswered) {
    for (const Scenario& s : shipped())
        for (const ExchangeChoices& branch : branchesOf(s)) {
            const auto events = modelExchange(s, branch);
            std::array<std::array<bool, 3>, 2> flying{};
            std::array<Pennant, 2> pennant{Pennant::Down, Pennant::Down};
            std::array<bool, 2> garbledUp{};
            int step = 0;
            for (std::size_t i = 0; i < events.size(); ++i) {
                const ExchangeEvent& e = events[i];
                EXPECT_GE(e.step, step) << s.name;
                step = e.step;
                const std::size_t me = slotOf(e.ship), other = slotOf(otherShip(e.ship));
                // A hoist comes down once answered close up, or, when it made
                // no sense, once the other ship's reply to it is answered.
                if (e.action == Action::HaulDown && e.halyard == Halyard::StarboardYardarm) {
                    const Pennant needed = garbledUp[me] ? Pennant::AtDip : Pennant::CloseUp;
                    EXPECT_EQ(pennant[other], needed) << s.name << ", event " << i;
                    garbledUp[me] = false;
                }
                if (e.action == Action::Hoist && e.garbled) garbledUp[me] = true;
                if (e.action == Action::Hoist) flying[me][slotOf(e.halyard)] = true;
                if (e.action == Action::HaulDown) flying[me][slotOf(e.halyard)] = false;
                if (e.action == Action::PennantDip) pennant[me] = Pennant::AtDip;
                if (e.action == Action::PennantCloseUp) pennant[me] = Pennant::CloseUp;
                if (e.action == Action::PennantDown) pennant[me] = Pennant::Down;
                if (e.action == Action::PennantAlone) {
                    pennant[me] = Pennant::Alone;
                    ASSERT_LT(i + 3, events.size()) << s.name;
                    EXPECT_EQ(events[i + 1].action, Action::PennantCloseUp) << s.name;
                    EXPECT_EQ(events[i + 1].ship, otherShip(e.ship)) << s.name;
                    EXPECT_EQ(events[i + 2].action, Action::PennantDown) << s.name;
                    EXPECT_EQ(events[i + 3].action, Action::PennantDown) << s.name;
                    EXPECT_EQ(flying[me], (std::array<bool, 3>{})) << s.name << ": ends a signal with flags still up";
                }
            }
            ASSERT_FALSE(events.empty());
            EXPECT_EQ(events.back().action, Action::PennantDown) << s.name;
            EXPECT_EQ(events[events.size() - 4].action, Action::PennantAlone) << s.name;
            EXPECT_EQ(pennant, (std::array<Pennant, 2>{Pennant::Down, Pennant::Down})) << s.name;
        }
}

TEST(ShippedScenarios, TheLearnerPlaysEachThroughOnEveryShipItAllows) {
    for (const Scenario& s : shipped()) {
        const auto ships = s.learnerShips();
        EXPECT_FALSE(ships.empty()) << s.name;
        for (const Ship learner : ships) {
            testing::ManualClock clock;
            ExchangeFlow flow(s, learner, testing::kSettings, clock.clock());
            testing::playModel(flow, clock);
            EXPECT_TRUE(flow.finished()) << s.name;
            for (const Judgement& j : flow.judgements())
                EXPECT_EQ(j.verdict, Verdict::Right) << s.name << ": " << j.explanation;
        }
    }
}

}  // namespace
}  // namespace mss::exchange
