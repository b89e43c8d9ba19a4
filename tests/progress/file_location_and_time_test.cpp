// SPDX-License-Identifier: GPL-3.0-or-later
// Where the progress file goes by default, and how times are written in it.

#include <gtest/gtest.h>

#include <map>

#include "progress/default_progress_file.h"
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
        drill::TimePoint time;
        const char* text;
        const char* stamp;
    };
    const Case cases[] = {
        {testing::kMorning, "2026-12-10T14:03:07Z", "20261210T140307Z"},
        {drill::TimePoint{}, "1970-01-01T00:00:00Z", "19700101T000000Z"},
        {drill::TimePoint{sys_days{2028y / February / 29} + 23h + 59min + 59s}, "2028-02-29T23:59:59Z",
         "20280229T235959Z"},
        {drill::TimePoint{sys_days{2099y / December / 31} + 1s}, "2099-12-31T00:00:01Z", "20991231T000001Z"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utcText(c.time), c.text);
        EXPECT_EQ(compactUtcStamp(c.time), c.stamp);
        EXPECT_EQ(timeOfSecondsSinceEpoch(secondsSinceEpoch(c.time)), c.time) << c.text;
    }
    EXPECT_EQ(utcText(testing::kMorning + 999ms), "2026-12-10T14:03:07Z") << "a fraction of a second is dropped";
}

TEST(UtcText, SecondsSinceEpochRoundTowardsThePast) {
    EXPECT_EQ(secondsSinceEpoch(testing::kMorning), 1'796'911'387);
    EXPECT_EQ(secondsSinceEpoch(testing::kMorning + 999ms), 1'796'911'387);
    EXPECT_EQ(secondsSinceEpoch(drill::TimePoint{} - 1ms), -1);
}

}  // namespace
}  // namespace mss::progress
