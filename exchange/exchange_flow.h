// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exchange between two ships with the learner on one of them. The flow
// walks the scenario's model exchange (model_exchange.h): the other ship
// acts on its own — its hoists, the end of its signals and its reading
// after a pause (the pace), everything else at once — and never hauls down
// a hoist the learner has not answered close up. Each action of the
// learner is judged against what the procedure expects next: right, a
// mistake of procedure or a mistake of the code. A wrong action is not
// carried out; the flow waits for the right one. A pennant the learner
// leaves too long where it was (not dipped on sighting, not lowered when a
// hoist came down, no end of signal) is judged wrong once when the
// reaction time runs out. Standard library only.

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model_exchange.h"
#include "scenario.h"

namespace mss::exchange {

using TimePoint = std::chrono::steady_clock::time_point;
using Clock = std::function<TimePoint()>;

struct ExchangeSettings {
    std::chrono::milliseconds pace{3000};           // before the other ship's hoist, reading, end of signal
    std::chrono::milliseconds reactionTime{10000};  // for the learner's pennant to answer
};

// What the learner does: hoist groups on a halyard (top first), haul a
// halyard down, move the answering pennant on a halyard, or read what the
// other ship flies (the groups in reading order).
struct LearnerAction {
    Action action = Action::Hoist;
    Halyard halyard = Halyard::Masthead;
    Groups groups;
};

enum class Verdict { Right, ProcedureMistake, CodeMistake };

enum class Fault {
    None,
    // Procedure:
    NotDippedOnSighting,
    ClosedUpBeforeRead,
    ClosedUpOnNotUnderstood,
    NotLoweredWhenHauledDown,
    HauledDownBeforeAnswered,
    EndOfSignalForgotten,
    WrongHalyard,
    OutOfTurn,
    // Code:
    WrongGroup,
    WrongFigure,
    MissingGroup,
    ExtraGroup,
    CannotFly,
};

struct Judgement {
    Verdict verdict = Verdict::Right;
    Fault fault = Fault::None;
    std::string explanation;  // in Russian; empty when right
    bool overdue = false;     // judged when the reaction time ran out, not on an action
};

struct StationState {
    std::string callSign;
    std::array<Groups, 3> halyards;  // by slotOf(Halyard); empty when down
    Pennant pennant = Pennant::Down;
    Halyard pennantHalyard = Halyard::PortYardarm;
};

// The scenario must outlive the flow.
class ExchangeFlow {
public:
    ExchangeFlow(const Scenario& scenario, Ship learner, ExchangeSettings settings, Clock clock);

    Ship learner() const { return learner_; }
    const Scenario& scenario() const { return scenario_; }
    const StationState& station(Ship ship) const { return stations_[slotOf(ship)]; }

    // Judges the learner's action and carries it out when right; the other
    // ship then does what it does at once.
    Judgement act(const LearnerAction& action);
    // Lets the other ship act once its pause is over, and judges a pennant
    // the learner has left too long. Call it on a timer.
    void tick();

    bool finished() const { return next_ == script_.size(); }
    // What the procedure expects of the learner now; nothing while it waits
    // for the other ship or when the exchange is over.
    const ExchangeEvent* expected() const;
    // The signal in hand: its task is the learner's when the learner sends it.
    const Signal* currentSignal() const;

    // Everything done so far, both ships, in order; and every judgement.
    const std::vector<ExchangeEvent>& done() const { return done_; }
    const std::vector<Judgement>& judgements() const { return judgements_; }

private:
    void runOtherShip();
    void apply(const ExchangeEvent& event);
    void rebuildScript();
    Judgement judge(const LearnerAction& action);
    Judgement judgeHoist(const LearnerAction& action, std::size_t at, const std::vector<std::size_t>& run);
    Judgement carryOut(std::size_t at, const Groups* hoisted = nullptr);
    Judgement judgeOutOfOrder(const LearnerAction& action, const ExchangeEvent& expected) const;
    Judgement judgeWhileWaiting(const LearnerAction& action) const;
    Judgement record(Judgement judgement);

    const Scenario& scenario_;
    Ship learner_;
    ExchangeSettings settings_;
    Clock clock_;
    ExchangeChoices choices_;
    std::vector<ExchangeEvent> script_;
    std::vector<bool> applied_;  // by the script's index
    std::size_t next_ = 0;       // the first event not applied
    std::array<StationState, 2> stations_;
    std::vector<ExchangeEvent> done_;
    std::vector<Judgement> judgements_;
    TimePoint lastEventAt_;
    bool overdueJudged_ = false;
};

// The explanation of a fault, in Russian.
std::string_view faultText(Fault fault);

}  // namespace mss::exchange
