// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Times in the progress file: the time of an answer or of the start of a
// session as UTC in ISO 8601 to the second, "2026-12-10T14:03:07Z" (readable
// in any SQLite browser, sorts as text in time order); the times of a card
// as whole seconds since 1970-01-01 UTC.
//
// The file holds times from 2000-01-01 up to 2200-01-01 only. A time outside
// that range is moved to its nearer end when written, and a row holding one
// is passed over when read: no clock, however wrong, and no value written by
// hand can overflow the arithmetic of a time.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "asking/clock.h"

namespace mss::progress {

// The first second the file holds, and the first it no longer holds.
inline constexpr std::int64_t kEarliestSecond =
    std::chrono::sys_seconds{std::chrono::sys_days{std::chrono::year{2000} / 1 / 1}}.time_since_epoch().count();
inline constexpr std::int64_t kEndSecond =
    std::chrono::sys_seconds{std::chrono::sys_days{std::chrono::year{2200} / 1 / 1}}.time_since_epoch().count();

constexpr bool isSaneSecond(std::int64_t seconds) { return seconds >= kEarliestSecond && seconds < kEndSecond; }

// A count of seconds since 1970 (a clock's, a file's), brought into the
// range above, as a time.
asking::TimePoint saneTimeOfSeconds(std::int64_t seconds);
// A time brought into the range above (whole seconds, towards the past).
asking::TimePoint saneTime(asking::TimePoint time);

// The system clock through saneTimeOfSeconds(): a clock set past 2262,
// where a time_point of nanoseconds would wrap, reads as the end of 2199.
asking::TimePoint saneSystemTime();

// Whole seconds; a fraction is dropped (rounded towards the past).
std::string utcText(asking::TimePoint time);
// The time of a text written by utcText(), if it is one and in range.
std::optional<asking::TimePoint> timeOfUtcText(std::string_view text);

// Whole seconds since 1970-01-01 UTC, rounded towards the past.
std::int64_t secondsSinceEpoch(asking::TimePoint time);

// "20261210T140307Z", for file names.
std::string compactUtcStamp(asking::TimePoint time);

}  // namespace mss::progress
