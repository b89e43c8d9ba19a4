// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock the test moves by hand, and the learner's part of an exchange
// played as the model has it.

#include <chrono>
#include <string>

#include "exchange/exchange_flow.h"
#include "exchange/scenario_loader.h"

namespace mss::exchange::testing {

struct ManualClock {
    TimePoint now = TimePoint{std::chrono::hours{1000}};
    Clock clock() {
        return [this] { return now; };
    }
};

inline constexpr ExchangeSettings kSettings{std::chrono::seconds{3}, std::chrono::seconds{10}};

// The learner's action that carries out a model event.
inline LearnerAction actionOf(const ExchangeEvent& e) { return {e.action, e.halyard, e.groups}; }

// The scenarios of `text`, which must load.
inline std::vector<Scenario> scenariosOf(std::string_view text) {
    ScenarioFile file = loadScenarios(text);
    if (!file.ok()) throw std::runtime_error(file.problem->text());
    return std::move(file.scenarios);
}

// Plays the learner's part right until `learnerActions` actions are done,
// the exchange is over, or nothing is left to wait for; lets the pace pass
// whenever the other ship is to act. Returns how many actions were done.
inline int playModel(ExchangeFlow& flow, ManualClock& clock, int learnerActions = 1 << 30) {
    int done = 0;
    for (int waits = 0; done < learnerActions && !flow.finished() && waits < 1000;) {
        if (const ExchangeEvent* e = flow.expected()) {
            const Judgement j = flow.act(actionOf(*e));
            if (j.verdict != Verdict::Right)
                throw std::runtime_error("the model's own action was judged wrong: " + j.explanation);
            ++done;
        } else {
            clock.now += kSettings.pace;
            flow.tick();
            ++waits;
        }
    }
    return done;
}

// Lets the other ship do all it will before the learner must act.
inline void waitForLearnersTurn(ExchangeFlow& flow, ManualClock& clock) {
    for (int i = 0; i < 100 && !flow.finished() && flow.expected() == nullptr; ++i) {
        clock.now += kSettings.pace;
        flow.tick();
    }
}

}  // namespace mss::exchange::testing
