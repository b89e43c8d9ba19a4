// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the drill learns the time. Nothing in the drill reads the system clock
// itself: the program passes the real clock, tests pass one they move by hand.

#include <chrono>
#include <functional>

namespace mss::drill {

using TimePoint = std::chrono::system_clock::time_point;
using Clock = std::function<TimePoint()>;

}  // namespace mss::drill
