// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures of progress the drill window shows.

#include <vector>

namespace mss::progress {

// How the cards of a set (or of one mode of it) stand.
struct ProgressCounts {
    int fresh = 0;     // never answered
    int learning = 0;  // answered, in boxes 0..3 (asked again within three days)
    int learned = 0;   // in box 4 or above (a week or more between questions)

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

}  // namespace mss::progress
