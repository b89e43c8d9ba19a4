// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A keeper of progress in memory, for the drill's tests: it keeps every
// answer with its session, numbers sessions at their first answer as a
// progress file does, and can be told to answer as a file that is busy or
// cannot be written would.

#include <map>
#include <string>
#include <vector>

#include "drill/progress_keeper.h"

namespace mss::drill::testing {

class MemoryKeeper : public ProgressKeeper {
public:
    struct Kept {
        Answer answer;
        int session = 0;
        DrillChoice choice;
    };

    CardStates cardStates(asking::SignalSet set, asking::AskMode mode) override {
        CardStates states;
        for (const auto& [key, state] : states_)
            if (key.set == set && key.mode == mode) states.emplace(key, state);
        return states;
    }

    asking::Keeping recordAnswer(const Answer& answer, SessionRecord& session) override {
        if (!session.number) session.number = ++sessions_;
        answers.push_back({answer, *session.number, session.choice});
        states_[answer.card] = answer.stateAfter;
        return keeping;
    }

    std::optional<DrillChoice> lastChoice() override {
        if (answers.empty()) return std::nullopt;
        return answers.back().choice;
    }

    std::vector<std::string> notices() override { return notes; }

    void setState(const CardKey& key, const CardState& state) { states_[key] = state; }

    std::vector<Kept> answers;
    asking::Keeping keeping = asking::Keeping::Saved;  // what every answer reports
    std::vector<std::string> notes;

private:
    std::map<CardKey, CardState> states_;
    int sessions_ = 0;
};

}  // namespace mss::drill::testing
