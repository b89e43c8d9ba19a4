// SPDX-License-Identifier: GPL-3.0-or-later
#include "utc_text.h"

#include <chrono>
#include <cstdio>

namespace mss::progress {

namespace {

using namespace std::chrono;

struct Parts {
    int year;
    unsigned month, day;
    long long hour, minute, second;
};

Parts partsOf(drill::TimePoint time) {
    const auto seconds = floor<std::chrono::seconds>(time);
    const auto day = floor<days>(seconds);
    const year_month_day date{day};
    const hh_mm_ss clock{seconds - day};
    return {static_cast<int>(date.year()), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
            clock.hours().count(), clock.minutes().count(), clock.seconds().count()};
}

}  // namespace

std::string utcText(drill::TimePoint time) {
    const Parts p = partsOf(time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02lld:%02lld:%02lldZ", p.year, p.month, p.day, p.hour, p.minute,
                  p.second);
    return text;
}

std::string compactUtcStamp(drill::TimePoint time) {
    const Parts p = partsOf(time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02lld%02lld%02lldZ", p.year, p.month, p.day, p.hour, p.minute,
                  p.second);
    return text;
}

std::int64_t secondsSinceEpoch(drill::TimePoint time) {
    return std::chrono::floor<std::chrono::seconds>(time).time_since_epoch().count();
}

drill::TimePoint timeOfSecondsSinceEpoch(std::int64_t count) { return drill::TimePoint{std::chrono::seconds{count}}; }

}  // namespace mss::progress
