#pragma once
// Times in the progress file: UTC in ISO 8601 to the second,
// "2026-12-10T14:03:07Z". Readable in any SQLite browser, sorts as text in
// time order, and parses here in a few dozen nanoseconds (the general date
// parsers take microseconds, which matters when a session loads every card).

#include <optional>
#include <string>
#include <string_view>

#include "drill/clock.h"

namespace mss::progress {

// Whole seconds; a fraction is dropped (rounded towards the past).
std::string utcText(drill::TimePoint time);

// Empty for anything but exactly the form above with a real date and time.
std::optional<drill::TimePoint> timeOfUtcText(std::string_view text);

// "20261210T140307Z", for file names.
std::string compactUtcStamp(drill::TimePoint time);

}  // namespace mss::progress
