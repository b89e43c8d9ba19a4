// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_page_reading.h"

#include <algorithm>

#include "progress_store.h"

namespace mss::progress {

ProgressPageFigures ProgressReading::page(const drill::DrillChoice& choice, const CardsInSet& cardsInSet) {
    ProgressPageFigures figures;
    for (asking::SignalSet set : asking::kAllSets)
        figures.sets.push_back({set, store_.counts(set, choice.mode, cardsInSet(set))});
    figures.sessions = recentSessions();
    figures.hardest = store_.hardestSignals(choice.set, choice.mode, kHardestShown);
    return figures;
}

RecentSessions ProgressReading::recentSessions() {
    RecentSessions recent;
    recent.shown = store_.recentSessions(kRecentSessions, kFewestAnswersCharted);
    const int oldestShown = recent.shown.empty() ? 0 : recent.shown.front().number;
    // The last `shown + k` sessions of any length hold every short one since
    // the oldest shown, unless k of them are short: then look further back.
    for (int k = kRecentSessions;; k *= 2) {
        const int atMost = static_cast<int>(recent.shown.size()) + k;
        const std::vector<SessionSummary> all = store_.recentSessions(atMost, 1);
        recent.leftOut = static_cast<int>(std::count_if(all.begin(), all.end(), [&](const SessionSummary& s) {
            return s.asked < kFewestAnswersCharted && s.number > oldestShown;
        }));
        if (recent.leftOut < k || static_cast<int>(all.size()) < atMost || k > (1 << 28)) return recent;
    }
}

}  // namespace mss::progress
