// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Times in the progress file: the time of an answer as UTC in ISO 8601 to
// the second, "2026-12-10T14:03:07Z" (readable in any SQLite browser, sorts
// as text in time order); the times of a card as whole seconds since
// 1970-01-01 UTC.

#include <cstdint>
#include <string>

#include "drill/clock.h"

namespace mss::progress {

// Whole seconds; a fraction is dropped (rounded towards the past).
std::string utcText(drill::TimePoint time);

// Whole seconds since 1970-01-01 UTC, rounded towards the past, and back.
std::int64_t secondsSinceEpoch(drill::TimePoint time);
drill::TimePoint timeOfSecondsSinceEpoch(std::int64_t seconds);

// "20261210T140307Z", for file names.
std::string compactUtcStamp(drill::TimePoint time);

}  // namespace mss::progress
