// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the progress page shows, read from the store in one call: how
// the cards of every set stand in the mode chosen, the recent sessions its
// chart draws (and how many short ones it leaves out), and the learner's
// hardest signals of the set chosen. Plain figures, no texts: the page words
// and draws them.

#include <functional>
#include <vector>

#include "drill/drill_choice.h"
#include "progress_figures.h"

namespace mss::progress {

class ProgressStore;

// One set's cards in one mode.
struct SetCounts {
    asking::SignalSet set = asking::SignalSet::Flags;
    ProgressCounts counts;

    friend bool operator==(const SetCounts&, const SetCounts&) = default;
};

// The sessions the chart shows and how many it leaves out.
struct RecentSessions {
    // The last kRecentSessions sessions of at least kFewestAnswersCharted
    // answers, of every set and mode, oldest first.
    std::vector<SessionSummary> shown;
    // Shorter sessions since the oldest shown (all of them when none is shown).
    int leftOut = 0;
};

struct ProgressPageFigures {
    std::vector<SetCounts> sets;  // every set, in the order of asking::kAllSets
    RecentSessions sessions;
    // At most kHardestShown, the hardest first.
    std::vector<HardSignal> hardest;
};

class ProgressReading {
public:
    // How many cards a set has in all, answered or not.
    using CardsInSet = std::function<int(asking::SignalSet)>;

    explicit ProgressReading(ProgressStore& store) : store_(store) {}

    // The page as it stands for the set and mode chosen (the first letter
    // plays no part).
    ProgressPageFigures page(const drill::DrillChoice& choice, const CardsInSet& cardsInSet);
    RecentSessions recentSessions();

private:
    ProgressStore& store_;
};

}  // namespace mss::progress
