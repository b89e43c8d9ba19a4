// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock the test moves by hand.

#include <chrono>

#include "asking/clock.h"

namespace mss::asking::testing {

// 2026-12-10 14:03:07 UTC, a whole second.
inline const TimePoint kMorning = TimePoint{std::chrono::seconds{1'796'911'387}};

struct ManualClock {
    TimePoint now = kMorning;
    Clock clock() {
        return [this] { return now; };
    }
};

}  // namespace mss::asking::testing
