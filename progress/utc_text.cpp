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

std::optional<int> digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
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

std::optional<drill::TimePoint> timeOfUtcText(std::string_view text) {
    // 0123456789012345678901
    // 2026-12-10T14:03:07Z
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || text[19] != 'Z')
        return std::nullopt;
    const auto y = digits(text, 0, 4), mo = digits(text, 5, 2), d = digits(text, 8, 2);
    const auto h = digits(text, 11, 2), mi = digits(text, 14, 2), s = digits(text, 17, 2);
    if (!y || !mo || !d || !h || !mi || !s || *h > 23 || *mi > 59 || *s > 59) return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)}, day{static_cast<unsigned>(*d)}};
    if (!date.ok()) return std::nullopt;
    return drill::TimePoint{sys_days{date} + hours{*h} + minutes{*mi} + seconds{*s}};
}

}  // namespace mss::progress
