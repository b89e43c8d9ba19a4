// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress file as the drill's keeper of progress.

#include "drill/progress_keeper.h"
#include "progress/progress_store.h"

namespace mss::forms {

class StoreKeeper : public drill::ProgressKeeper {
public:
    explicit StoreKeeper(progress::ProgressStore& store) : store_(store) {}

    drill::CardStates cardStates(drill::DrillSet set, drill::DrillMode mode) override {
        return store_.cardStates(set, mode);
    }
    drill::Keeping recordAnswer(const drill::Answer& answer, drill::SessionRecord& session) override {
        if (!session.number) session.number = store_.nextSessionNumber();
        return store_.recordAnswer(answer, *session.number) ? drill::Keeping::Saved : drill::Keeping::InMemory;
    }
    std::optional<drill::DrillChoice> lastChoice() override {
        std::optional<drill::DrillChoice> last;
        int highest = 0;
        for (drill::DrillSet set : drill::kAllSets)
            for (drill::DrillMode mode : drill::kAllModes) {
                const progress::RecentAccuracy recent = store_.recentAccuracy(set, mode);
                if (!recent.sessions.empty() && recent.sessions.back().session > highest) {
                    highest = recent.sessions.back().session;
                    last = drill::DrillChoice{set, mode, 0};
                }
            }
        return last;
    }
    std::vector<std::string> notices() override {
        std::vector<std::string> lines;
        if (const auto& aside = store_.setAsideFile()) lines.push_back(aside->message);
        if (!store_.saving()) lines.push_back(store_.notSavingMessage());
        return lines;
    }

private:
    progress::ProgressStore& store_;
};

}  // namespace mss::forms
