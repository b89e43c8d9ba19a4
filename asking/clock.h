// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a flow that asks questions learns the time. None reads the system
// clock itself: the program passes the real clock, tests pass one they move
// by hand.

#include <chrono>
#include <functional>

namespace mss::asking {

using TimePoint = std::chrono::system_clock::time_point;
using Clock = std::function<TimePoint()>;

}  // namespace mss::asking
