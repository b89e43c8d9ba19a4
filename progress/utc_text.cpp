// SPDX-License-Identifier: GPL-3.0-or-later
#include "utc_text.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace mss::progress {

namespace {

using namespace std::chrono;

struct Parts {
    int year;
    unsigned month, day;
    long long hour, minute, second;
};

Parts partsOf(asking::TimePoint time) {
    const auto seconds = floor<std::chrono::seconds>(time);
    const auto day = floor<days>(seconds);
    const year_month_day date{day};
    const hh_mm_ss clock{seconds - day};
    return {static_cast<int>(date.year()),     static_cast<unsigned>(date.month()),
            static_cast<unsigned>(date.day()), clock.hours().count(),
            clock.minutes().count(),           clock.seconds().count()};
}

// The number of `count` digits at `text[at]`, if they are all digits.
std::optional<int> digitsAt(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

asking::TimePoint saneTimeOfSeconds(std::int64_t count) {
    return asking::TimePoint{seconds{std::clamp(count, kEarliestSecond, kEndSecond - 1)}};
}

asking::TimePoint saneTime(asking::TimePoint time) { return saneTimeOfSeconds(secondsSinceEpoch(time)); }

asking::TimePoint saneSystemTime() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return saneTimeOfSeconds(static_cast<std::int64_t>(now.tv_sec));
}

std::string utcText(asking::TimePoint time) {
    const Parts p = partsOf(time);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02lld:%02lld:%02lldZ", p.year, p.month, p.day, p.hour, p.minute,
                  p.second);
    return text;
}

std::optional<asking::TimePoint> timeOfUtcText(std::string_view text) {
    // "2026-12-10T14:03:07Z"
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || text[19] != 'Z')
        return std::nullopt;
    const auto y = digitsAt(text, 0, 4), mo = digitsAt(text, 5, 2), d = digitsAt(text, 8, 2);
    const auto h = digitsAt(text, 11, 2), mi = digitsAt(text, 14, 2), s = digitsAt(text, 17, 2);
    if (!y || !mo || !d || !h || !mi || !s || *h > 23 || *mi > 59 || *s > 59) return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)}, day{static_cast<unsigned>(*d)}};
    if (!date.ok()) return std::nullopt;
    const std::int64_t second =
        (sys_seconds{sys_days{date}} + hours{*h} + minutes{*mi} + seconds{*s}).time_since_epoch().count();
    if (!isSaneSecond(second)) return std::nullopt;
    return asking::TimePoint{seconds{second}};
}

std::string compactUtcStamp(asking::TimePoint time) {
    const Parts p = partsOf(time);
    char text[48];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02lld%02lld%02lldZ", p.year, p.month, p.day, p.hour, p.minute,
                  p.second);
    return text;
}

std::int64_t secondsSinceEpoch(asking::TimePoint time) {
    return std::chrono::floor<std::chrono::seconds>(time).time_since_epoch().count();
}

}  // namespace mss::progress
