// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures of progress the drill window shows.

#include <string>
#include <vector>

#include "asking/clock.h"
#include "drill/drill_choice.h"

namespace mss::progress {

// How the cards of a set (or of one mode of it) stand.
struct ProgressCounts {
    int fresh = 0;     // never answered
    int learning = 0;  // answered, not learned yet
    int learned = 0;   // drill::isLearned(): a week or more between its last right answers

    friend bool operator==(const ProgressCounts&, const ProgressCounts&) = default;
};

struct SessionScore {
    int session = 0;
    int answers = 0;
    int right = 0;

    friend bool operator==(const SessionScore&, const SessionScore&) = default;
};

// The last ten sessions (fewer if there were fewer), oldest first, and their
// sum. Every answer counts, the repeats of mistakes too.
struct RecentAccuracy {
    std::vector<SessionScore> sessions;
    int answers = 0;
    int right = 0;

    // The share of right answers, 0 when nothing was answered.
    double share() const { return answers == 0 ? 0.0 : static_cast<double>(right) / answers; }
};

inline constexpr int kRecentSessions = 10;

// A session of fewer answers says little of the learner (a set switched
// after one question): the chart of sessions leaves it out.
inline constexpr int kFewestAnswersCharted = 5;

// One session as the progress page labels it.
struct SessionSummary {
    int number = 0;
    asking::TimePoint startedAt;  // its first answer
    drill::DrillChoice choice;   // set, mode and first letter drilled
    int asked = 0;               // answers given, the repeats of mistakes too
    int right = 0;

    friend bool operator==(const SessionSummary&, const SessionSummary&) = default;
};

// A signal the learner often gets wrong of late: wrong answers among its
// last kHardWindow answers in one set and mode.
struct HardSignal {
    std::string code;
    int misses = 0;  // wrong answers among the last ones
    int asked = 0;   // the last answers looked at, at most kHardWindow

    friend bool operator==(const HardSignal&, const HardSignal&) = default;
};

inline constexpr int kHardWindow = 5;

// How many of the hardest signals the progress page lists, and a drill of
// them asks.
inline constexpr int kHardestShown = 10;

}  // namespace mss::progress
