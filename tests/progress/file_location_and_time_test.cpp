// SPDX-License-Identifier: GPL-3.0-or-later
// Where the progress file goes by default, and how times are written in it.

#include <gtest/gtest.h>

#include <limits>
#include <map>

#include "progress/default_progress_file.h"
#include "progress/progress_store.h"
#include "progress/utc_text.h"
#include "progress_test_support.h"

namespace mss::progress {
namespace {

using namespace std::chrono;

TEST(DefaultProgressFile, FollowsTheXdgDataFolder) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> environment;
        const char* expected;
    };
    const Case cases[] = {
        {"XDG_DATA_HOME set", {{"XDG_DATA_HOME", "/data/learner"}, {"HOME", "/home/u"}},
         "/data/learner/mss65/progress.sqlite3"},
        {"XDG_DATA_HOME unset", {{"HOME", "/home/u"}}, "/home/u/.local/share/mss65/progress.sqlite3"},
        {"XDG_DATA_HOME empty", {{"XDG_DATA_HOME", ""}, {"HOME", "/home/u"}},
         "/home/u/.local/share/mss65/progress.sqlite3"},
        {"XDG_DATA_HOME relative, ignored", {{"XDG_DATA_HOME", "data"}, {"HOME", "/home/u"}},
         "/home/u/.local/share/mss65/progress.sqlite3"},
        {"nothing set", {}, ".local/share/mss65/progress.sqlite3"},
    };
    for (const Case& c : cases) {
        const auto lookup = [&c](const char* name) -> std::optional<std::string> {
            const auto found = c.environment.find(name);
            if (found == c.environment.end()) return std::nullopt;
            return found->second;
        };
        EXPECT_EQ(defaultProgressFile(lookup), std::filesystem::path(c.expected)) << c.name;
    }
}

TEST(UtcText, WritesAndReadsIso8601InUtc) {
    struct Case {
        asking::TimePoint time;
        const char* text;
        const char* stamp;
    };
    const Case cases[] = {
        {testing::kMorning, "2026-12-10T14:03:07Z", "20261210T140307Z"},
        {asking::TimePoint{sys_days{2000y / January / 1}}, "2000-01-01T00:00:00Z", "20000101T000000Z"},
        {asking::TimePoint{sys_days{2028y / February / 29} + 23h + 59min + 59s}, "2028-02-29T23:59:59Z",
         "20280229T235959Z"},
        {asking::TimePoint{sys_days{2199y / December / 31} + 23h + 59min + 59s}, "2199-12-31T23:59:59Z",
         "21991231T235959Z"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utcText(c.time), c.text);
        EXPECT_EQ(compactUtcStamp(c.time), c.stamp);
        EXPECT_EQ(timeOfUtcText(c.text), c.time) << c.text;
        EXPECT_EQ(saneTimeOfSeconds(secondsSinceEpoch(c.time)), c.time) << c.text;
    }
    EXPECT_EQ(utcText(testing::kMorning + 999ms), "2026-12-10T14:03:07Z") << "a fraction of a second is dropped";
}

TEST(UtcText, ReadsNoTimeOutOfRangeOrMisspelt) {
    for (const char* text : {"1999-12-31T23:59:59Z", "2200-01-01T00:00:00Z", "1715-03-01T00:00:00Z",
                             "2026-02-30T10:00:00Z", "2026-12-10T24:00:00Z", "2026-12-10T14:03:07", "2026-12-10 14:03:07Z",
                             "2026-12-10T14:03:7Z", "+026-12-10T14:03:07Z", "", "9999999999999999999999"})
        EXPECT_FALSE(timeOfUtcText(text)) << text;
}

TEST(UtcText, SecondsSinceEpochRoundTowardsThePast) {
    EXPECT_EQ(secondsSinceEpoch(testing::kMorning), 1'796'911'387);
    EXPECT_EQ(secondsSinceEpoch(testing::kMorning + 999ms), 1'796'911'387);
    EXPECT_EQ(secondsSinceEpoch(asking::TimePoint{} - 1ms), -1);
}

TEST(SaneTime, ClocksFarOffAreBroughtIntoTheRangeWithoutWrapping) {
    const asking::TimePoint first{sys_days{2000y / January / 1}};
    const asking::TimePoint last{sys_days{2199y / December / 31} + 23h + 59min + 59s};
    struct Case {
        const char* name;
        std::int64_t seconds;
        asking::TimePoint expected;
    };
    const Case cases[] = {
        {"a clock in 2026", 1'796'911'387, testing::kMorning},
        {"a clock at 1970", 0, first},
        {"a clock before 1970", -86'400, first},
        {"a clock in 2300, past what nanoseconds since 1970 hold", 10'413'792'000, last},
        {"the largest count of seconds", std::numeric_limits<std::int64_t>::max(), last},
        {"the smallest", std::numeric_limits<std::int64_t>::min(), first},
    };
    for (const Case& c : cases) {
        const asking::TimePoint time = saneTimeOfSeconds(c.seconds);
        EXPECT_EQ(time, c.expected) << c.name;
        EXPECT_EQ(saneTime(time), time) << c.name;
    }
    EXPECT_EQ(saneTime(asking::TimePoint::max()), last);
    EXPECT_EQ(saneTime(asking::TimePoint::min()), first);
    const asking::TimePoint now = ProgressStore::systemClock()();
    EXPECT_TRUE(now >= first && now <= last);
}

}  // namespace
}  // namespace mss::progress
