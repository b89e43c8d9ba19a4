// SPDX-License-Identifier: GPL-3.0-or-later
// The flow of an exchange, driven by a clock moved by hand: each rule of the
// procedure kept and broken, mistakes of the code, the not-understood
// branch, the other ship's pace, and the learner on either ship.

#include <gtest/gtest.h>

#include <algorithm>

#include "exchange_driver.h"

namespace mss::exchange {
namespace {

using testing::actionOf;
using testing::kSettings;
using testing::ManualClock;
using testing::playModel;
using testing::waitForLearnersTurn;

// A asks B's position; B gives it in four hoists, complements included.
constexpr std::string_view kPosition = R"(exchange POSITION
title Т
situation С
ships UBKR UHTN
signal A UHTN
task Спросите место, курс и скорость.
message EV1
signal B UBKR
task Сообщите место, курс и скорость.
message EV / L6330N / G02115E / C045 S12
message EV / L6330N / G2115E / C045 S12
)";

// B answers A's question with a group the code does not have.
constexpr std::string_view kGarbled = R"(exchange GARBLED
title Т
situation С
ships UBKR UHTN
signal A UHTN
task Спросите, какая у него погода.
message XQ
signal B UBKR
task Ответьте, что погода плохая.
garbled XR8
reply ZL
reply ZQ
message ZP / XR1
)";

struct Fixture {
    std::vector<Scenario> scenarios;
    ManualClock clock;
    ExchangeFlow flow;
    Fixture(std::string_view text, Ship learner)
        : scenarios(testing::scenariosOf(text)), flow(scenarios[0], learner, kSettings, clock.clock()) {}
};

bool sameState(const StationState& a, const StationState& b) {
    return a.halyards == b.halyards && a.pennant == b.pennant && a.pennantHalyard == b.pennantHalyard;
}

struct ProcedureCase {
    const char* what;
    std::string_view scenario;
    Ship learner;
    int rightBefore;  // the learner's actions played right first
    LearnerAction wrong;
    Fault fault;
};

TEST(ExchangeFlow, JudgesEachRuleOfProcedureAndWaitsForTheRightAction) {
    const ProcedureCase cases[] = {
        {"haul down before the answer",
         kPosition,
         Ship::A,
         2,
         {Action::HaulDown, Halyard::StarboardYardarm, {}},
         Fault::HauledDownBeforeAnswered},
        {"no end of signal: another hoist",
         kPosition,
         Ship::A,
         4,
         {Action::Hoist, Halyard::StarboardYardarm, {"EV1"}},
         Fault::EndOfSignalForgotten},
        {"no end of signal: pennant down",
         kPosition,
         Ship::A,
         4,
         {Action::PennantDown, Halyard::StarboardYardarm, {}},
         Fault::EndOfSignalForgotten},
        {"read without dipping",
         kPosition,
         Ship::A,
         6,
         {Action::Read, Halyard::PortYardarm, {"UBKR", "EV"}},
         Fault::NotDippedOnSighting},
        {"close up without dipping",
         kPosition,
         Ship::A,
         6,
         {Action::PennantCloseUp, Halyard::PortYardarm, {}},
         Fault::NotDippedOnSighting},
        {"dip on the wrong halyard",
         kPosition,
         Ship::A,
         6,
         {Action::PennantDip, Halyard::StarboardYardarm, {}},
         Fault::WrongHalyard},
        {"close up before reading",
         kPosition,
         Ship::A,
         7,
         {Action::PennantCloseUp, Halyard::PortYardarm, {}},
         Fault::ClosedUpBeforeRead},
        {"not lowered when hauled down",
         kPosition,
         Ship::A,
         9,
         {Action::PennantDown, Halyard::PortYardarm, {}},
         Fault::NotLoweredWhenHauledDown},
        {"text at the masthead",
         kPosition,
         Ship::B,
         6,
         {Action::Hoist, Halyard::Masthead, {"EV"}},
         Fault::WrongHalyard},
        {"answer before the hoist",
         kPosition,
         Ship::B,
         0,
         {Action::PennantCloseUp, Halyard::PortYardarm, {}},
         Fault::OutOfTurn},
        {"close up on a group not understood",
         kGarbled,
         Ship::A,
         8,
         {Action::PennantCloseUp, Halyard::PortYardarm, {}},
         Fault::ClosedUpOnNotUnderstood},
    };
    for (const ProcedureCase& c : cases) {
        Fixture f(c.scenario, c.learner);
        ASSERT_EQ(playModel(f.flow, f.clock, c.rightBefore), c.rightBefore) << c.what;
        // Two mistakes are made while the other ship has yet to act.
        if (c.fault != Fault::HauledDownBeforeAnswered && c.fault != Fault::OutOfTurn) {
            waitForLearnersTurn(f.flow, f.clock);
            ASSERT_NE(f.flow.expected(), nullptr) << c.what;
        }
        const StationState before = f.flow.station(c.learner);
        const Judgement j = f.flow.act(c.wrong);
        EXPECT_EQ(j.verdict, Verdict::ProcedureMistake) << c.what;
        EXPECT_EQ(j.fault, c.fault) << c.what << ": " << j.explanation;
        EXPECT_FALSE(j.explanation.empty()) << c.what;
        EXPECT_TRUE(sameState(before, f.flow.station(c.learner))) << c.what << ": a wrong action was carried out";
        // The right action is still taken, and the exchange goes on to its end.
        playModel(f.flow, f.clock);
        EXPECT_TRUE(f.flow.finished()) << c.what;
    }
}

struct CodeCase {
    Groups given;
    Verdict verdict;
    Fault fault;
    const char* explanationHas;
};

TEST(ExchangeFlow, JudgesTheCodeOfAComplementsHoist) {
    const CodeCase cases[] = {
        {{"C045", "S12"}, Verdict::Right, Fault::None, ""},
        {{"C046", "S12"}, Verdict::CodeMistake, Fault::WrongFigure, "а не 046"},
        {{"C45", "S12"}, Verdict::CodeMistake, Fault::WrongFigure, "а не 45"},
        {{"C045", "S21"}, Verdict::CodeMistake, Fault::WrongFigure, "а не 21"},
        {{"MD", "S12"}, Verdict::CodeMistake, Fault::WrongGroup, "а не MD"},
        {{"C045"}, Verdict::CodeMistake, Fault::MissingGroup, ""},
        {{"C045", "S12", "XQ"}, Verdict::CodeMistake, Fault::ExtraGroup, "XQ"},
        {{"C045", "S012"}, Verdict::CodeMistake, Fault::CannotFly, "вымпел 0"},  // the same speed, but two zeros
        {{"C045", "S5"}, Verdict::CodeMistake, Fault::CannotFly, "вымпел 5"},    // two fives on one halyard
        {{"C405", "S10"}, Verdict::CodeMistake, Fault::CannotFly, "вымпел 0"},   // two zeros on one halyard
    };
    for (const CodeCase& c : cases) {
        Fixture f(kPosition, Ship::B);
        // Up to the last hoist of B's message: A's signal received (6
        // actions), then the call sign, EV, L and G each up and down.
        playModel(f.flow, f.clock, 6 + 2 + 1 + 2 + 2);
        waitForLearnersTurn(f.flow, f.clock);
        ASSERT_NE(f.flow.expected(), nullptr);
        ASSERT_EQ(f.flow.expected()->textHoist, 3);
        const Judgement j = f.flow.act({Action::Hoist, Halyard::StarboardYardarm, c.given});
        EXPECT_EQ(j.verdict, c.verdict) << c.given.front() << ": " << j.explanation;
        EXPECT_EQ(j.fault, c.fault) << c.given.front() << ": " << j.explanation;
        EXPECT_NE(j.explanation.find(c.explanationHas), std::string::npos) << j.explanation;
        const bool flies = !f.flow.station(Ship::B).halyards[slotOf(Halyard::StarboardYardarm)].empty();
        EXPECT_EQ(flies, c.verdict == Verdict::Right) << c.given.front();
    }
}

TEST(ExchangeFlow, AnotherAcceptedMessageIsFollowedToTheEnd) {
    Fixture f(kPosition, Ship::B);
    playModel(f.flow, f.clock, 6 + 2 + 1 + 2);  // up to B's hoist of the longitude
    waitForLearnersTurn(f.flow, f.clock);
    ASSERT_EQ(f.flow.expected()->groups, Groups{"G02115E"});
    EXPECT_EQ(f.flow.act({Action::Hoist, Halyard::StarboardYardarm, {"G2115E"}}).verdict, Verdict::Right);
    EXPECT_EQ(f.flow.station(Ship::B).halyards[slotOf(Halyard::StarboardYardarm)], Groups{"G2115E"});
    // The other ship reads what flies.
    waitForLearnersTurn(f.flow, f.clock);
    bool readIt = false;
    for (const ExchangeEvent& e : f.flow.done())
        if (e.ship == Ship::A && e.action == Action::Read && e.groups == Groups{"G2115E"}) readIt = true;
    EXPECT_TRUE(readIt);
    playModel(f.flow, f.clock);
    EXPECT_TRUE(f.flow.finished());
}

TEST(ExchangeFlow, AHalyardFliesTheSpeedAsTheLearnerWroteIt) {
    Fixture f(R"(exchange SPEED
title Т
situation С
ships UBKR UHTN
signal A UHTN
task Сообщите скорость: 12 узлов.
message S12
)",
              Ship::A);
    EXPECT_EQ(f.flow.act({Action::Hoist, Halyard::Masthead, {"UHTN"}}).verdict, Verdict::Right);
    EXPECT_EQ(f.flow.act({Action::Hoist, Halyard::StarboardYardarm, {"S012"}}).verdict, Verdict::Right);
    EXPECT_EQ(f.flow.station(Ship::A).halyards[slotOf(Halyard::StarboardYardarm)], Groups{"S012"});
    playModel(f.flow, f.clock);
    EXPECT_TRUE(f.flow.finished());
}

TEST(ExchangeFlow, TheLearnerReadsWhatFliesAndIsToldAWrongFigure) {
    Fixture f(kPosition, Ship::A);
    playModel(f.flow, f.clock, 6 + 4);  // A's question, then B's EV answered
    waitForLearnersTurn(f.flow, f.clock);
    ASSERT_EQ(f.flow.expected()->action, Action::Read);
    const Judgement j = f.flow.act({Action::Read, Halyard::PortYardarm, {"L6303N"}});
    EXPECT_EQ(j.verdict, Verdict::CodeMistake);
    EXPECT_EQ(j.fault, Fault::WrongFigure);
    EXPECT_EQ(f.flow.act({Action::Read, Halyard::PortYardarm, {"L6330N"}}).verdict, Verdict::Right);
}

TEST(ExchangeFlow, TheOtherShipHoistsAfterItsPaceAndNeverHaulsDownWhatIsNotAnsweredCloseUp) {
    Fixture f(kPosition, Ship::B);
    f.clock.now += kSettings.pace - std::chrono::milliseconds{1};
    f.flow.tick();
    EXPECT_TRUE(f.flow.station(Ship::A).halyards[slotOf(Halyard::StarboardYardarm)].empty());
    f.clock.now += std::chrono::milliseconds{1};
    f.flow.tick();
    EXPECT_EQ(f.flow.station(Ship::A).halyards[slotOf(Halyard::Masthead)], Groups{"UHTN"});
    EXPECT_EQ(f.flow.station(Ship::A).halyards[slotOf(Halyard::StarboardYardarm)], Groups{"EV1"});
    // Dipped and read, but not closed up: the hoist stays, however long.
    playModel(f.flow, f.clock, 2);
    for (int i = 0; i < 100; ++i) {
        f.clock.now += std::chrono::minutes{1};
        f.flow.tick();
    }
    EXPECT_EQ(f.flow.station(Ship::A).halyards[slotOf(Halyard::StarboardYardarm)], Groups{"EV1"});
    EXPECT_EQ(f.flow.act({Action::PennantCloseUp, Halyard::PortYardarm, {}}).verdict, Verdict::Right);
    EXPECT_TRUE(f.flow.station(Ship::A).halyards[slotOf(Halyard::StarboardYardarm)].empty());
}

TEST(ExchangeFlow, APennantLeftTooLongIsJudgedOnceWhenTheReactionTimeRunsOut) {
    const struct {
        Ship learner;
        int rightBefore;
        Fault fault;
    } cases[] = {
        {Ship::B, 0, Fault::NotDippedOnSighting},
        {Ship::A, 9, Fault::NotLoweredWhenHauledDown},
        {Ship::A, 4, Fault::EndOfSignalForgotten},
    };
    for (const auto& c : cases) {
        Fixture f(kPosition, c.learner);
        playModel(f.flow, f.clock, c.rightBefore);
        waitForLearnersTurn(f.flow, f.clock);
        const std::size_t judged = f.flow.judgements().size();
        f.clock.now += kSettings.reactionTime - std::chrono::milliseconds{1};
        f.flow.tick();
        EXPECT_EQ(f.flow.judgements().size(), judged) << static_cast<int>(c.fault);
        f.clock.now += std::chrono::milliseconds{1};
        f.flow.tick();
        f.clock.now += kSettings.reactionTime;
        f.flow.tick();
        ASSERT_EQ(f.flow.judgements().size(), judged + 1) << static_cast<int>(c.fault);
        EXPECT_EQ(f.flow.judgements().back().fault, c.fault);
        EXPECT_TRUE(f.flow.judgements().back().overdue);
        playModel(f.flow, f.clock);
        EXPECT_TRUE(f.flow.finished());
    }
}

TEST(ExchangeFlow, AGroupNotUnderstoodIsAnsweredWithZqAndTheCorrectionRead) {
    Fixture f(kGarbled, Ship::A);
    playModel(f.flow, f.clock, 6);  // A's question asked and ended
    waitForLearnersTurn(f.flow, f.clock);
    EXPECT_EQ(f.flow.station(Ship::B).halyards[slotOf(Halyard::StarboardYardarm)], Groups{"XR8"});
    EXPECT_EQ(f.flow.act({Action::PennantDip, Halyard::PortYardarm, {}}).verdict, Verdict::Right);
    // The reading is of what flies, not of what was meant.
    EXPECT_EQ(f.flow.act({Action::Read, Halyard::PortYardarm, {"UBKR", "XR1"}}).fault, Fault::WrongFigure);
    EXPECT_EQ(f.flow.act({Action::Read, Halyard::PortYardarm, {"UBKR", "XR8"}}).verdict, Verdict::Right);
    // Either reply is right; the call sign of the ship that sent it above.
    EXPECT_EQ(f.flow.act({Action::Hoist, Halyard::StarboardYardarm, {"ZP"}}).fault, Fault::WrongGroup);
    EXPECT_EQ(f.flow.act({Action::Hoist, Halyard::StarboardYardarm, {"ZQ"}}).verdict, Verdict::Right);
    EXPECT_EQ(f.flow.act({Action::Hoist, Halyard::Masthead, {"UHTN"}}).verdict, Verdict::Right);
    EXPECT_EQ(f.flow.station(Ship::A).pennant, Pennant::AtDip);
    waitForLearnersTurn(f.flow, f.clock);
    // B has answered ZQ close up and hauled its faulty hoist down; its
    // call sign stays for the correction.
    EXPECT_TRUE(f.flow.station(Ship::B).halyards[slotOf(Halyard::StarboardYardarm)].empty());
    EXPECT_EQ(f.flow.station(Ship::B).halyards[slotOf(Halyard::Masthead)], Groups{"UBKR"});
    EXPECT_EQ(f.flow.station(Ship::B).pennant, Pennant::CloseUp);
    EXPECT_EQ(f.flow.act({Action::HaulDown, Halyard::StarboardYardarm, {}}).verdict, Verdict::Right);
    EXPECT_EQ(f.flow.act({Action::HaulDown, Halyard::Masthead, {}}).verdict, Verdict::Right);
    EXPECT_EQ(f.flow.station(Ship::B).pennant, Pennant::Down);
    waitForLearnersTurn(f.flow, f.clock);
    EXPECT_EQ(f.flow.station(Ship::B).halyards[slotOf(Halyard::StarboardYardarm)], Groups{"ZP"});
    // The pennant is at the dip already: read, then close up.
    EXPECT_EQ(f.flow.expected()->action, Action::Read);
    EXPECT_EQ(f.flow.act({Action::Read, Halyard::PortYardarm, {"ZP"}}).verdict, Verdict::Right);
    playModel(f.flow, f.clock);
    EXPECT_TRUE(f.flow.finished());
    // The two mistakes made on purpose, and no other.
    EXPECT_EQ(std::count_if(f.flow.judgements().begin(), f.flow.judgements().end(),
                            [](const Judgement& j) { return j.verdict != Verdict::Right; }),
              2);
}

TEST(ExchangeFlow, TheLearnerPlaysEitherShipThroughTheModelExchange) {
    for (const Ship learner : {Ship::A, Ship::B}) {
        Fixture f(kPosition, learner);
        EXPECT_EQ(f.flow.currentSignal()->task, "Спросите место, курс и скорость.");
        playModel(f.flow, f.clock);
        ASSERT_TRUE(f.flow.finished());
        for (const Judgement& j : f.flow.judgements()) EXPECT_EQ(j.verdict, Verdict::Right) << j.explanation;
        const auto model = modelExchange(f.scenarios[0]);
        ASSERT_EQ(f.flow.done().size(), model.size());
        for (std::size_t i = 0; i < model.size(); ++i) {
            EXPECT_EQ(f.flow.done()[i].action, model[i].action) << i;
            EXPECT_EQ(f.flow.done()[i].ship, model[i].ship) << i;
        }
        for (const Ship ship : {Ship::A, Ship::B}) {
            EXPECT_EQ(f.flow.station(ship).pennant, Pennant::Down);
            for (const Groups& halyard : f.flow.station(ship).halyards) EXPECT_TRUE(halyard.empty());
        }
        EXPECT_EQ(f.flow.act({Action::PennantDip, Halyard::PortYardarm, {}}).fault, Fault::OutOfTurn);
    }
}

}  // namespace
}  // namespace mss::exchange
