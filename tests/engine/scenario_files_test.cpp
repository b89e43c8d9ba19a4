// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every scenario file of tests/scenarios: after each event line, the
// lines beginning with "=" list fields the state line must hold ("P2=E
// Combo2(0)=4/shown"); "= error" expects the event line to be rejected.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/scenario.h"

namespace {

std::set<std::string> tokens(const std::string& line) {
    std::istringstream in(line);
    std::set<std::string> out;
    for (std::string t; in >> t;) out.insert(t);
    return out;
}

class ScenarioFile : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioFile, EveryExpectationHolds) {
    std::ifstream in(std::filesystem::path(MSS_SCENARIO_DIR) / GetParam());
    ASSERT_TRUE(in) << GetParam();
    mss::scenario::Session session;
    std::string state = mss::scenario::describe(session.engine());
    bool rejected = false;
    std::string lastEvent = "start";
    int lineNo = 0;
    int checks = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '=') {
            for (const auto& want : tokens(line.substr(1))) {
                ++checks;
                if (want == "error") {
                    EXPECT_TRUE(rejected) << GetParam() << ":" << lineNo << " " << lastEvent << " was accepted";
                    continue;
                }
                EXPECT_FALSE(rejected) << GetParam() << ":" << lineNo << " " << lastEvent << " was rejected";
                EXPECT_TRUE(tokens(state).contains(want))
                    << GetParam() << ":" << lineNo << " after " << lastEvent << " expected " << want
                    << "\n  state: " << state;
            }
            continue;
        }
        lastEvent = line;
        rejected = session.apply(line).has_value();
        state = mss::scenario::describe(session.engine());
    }
    EXPECT_GT(checks, 0) << GetParam() << " checks nothing";
}

std::vector<std::string> scenarioFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(MSS_SCENARIO_DIR))
        if (entry.path().extension() == ".scn") files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = std::filesystem::path(info.param).stem().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioFile, ::testing::ValuesIn(scenarioFiles()), testName);

}  // namespace

namespace {

// The state lines of a scenario, without the event each one follows.
std::vector<std::string> statesOf(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    mss::scenario::run(in, out);
    std::vector<std::string> states;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) states.push_back(line.substr(line.find(": ") + 2));
    return states;
}

TEST(ScenarioLanguage, BadLinesAreErrorsShownEscapedAndTheRunSaysSo) {
    struct Case { std::string script; std::string errorLine; };
    const Case cases[] = {
        {"load\nload\n", "error: load"},
        {"press \x1b[31mA\n", "error: press \\x1b[31mA"},
        {"click Command\xff" "1\n", "error: click Command\\xff1"},
        {"choose геология\n", "error: choose геология"},
        {std::string(mss::scenario::kLongestLine + 1, 'x') + "\nload\n",
         "error: a line of 4097 bytes, longer than 4096"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.script);
        std::ostringstream out;
        EXPECT_FALSE(mss::scenario::run(in, out)) << c.errorLine;
        EXPECT_NE(out.str().find(c.errorLine + "\n"), std::string::npos) << out.str();
    }
    // A clean script runs clean, and a line at the limit is still read.
    std::istringstream in("load\n# " + std::string(mss::scenario::kLongestLine - 2, '#') + "\nchoose general\n");
    std::ostringstream out;
    EXPECT_TRUE(mss::scenario::run(in, out)) << out.str();
}

TEST(ScenarioLanguage, TheLearnersWordsAndTheControlNamesDescribeTheSameEvents) {
    struct Case { const char* words; const char* controls; };
    const Case cases[] = {
        {"load\nchoose general\npress A\npress E\npress 1\n",
         "load\nclick Option2\nclick Command59\nclick Command100\nclick Command112\n"},
        {"load\nchoose medical\npress L\npress Q\npress about\npress exit\n",
         "load\nclick Option3\nclick Command84\nclick Command127\nclick Command115\nclick Command116\n"},
        {"tick 3\ntick 2\ntick 1\npress M\nchoose table2\npress 7\nchoose table3\nchoose single\n",
         "tick Timer3\ntick Timer2\ntick Timer1\nclick Command36\nclick Option5\nclick Command123\nclick Option6\n"
         "click Option1\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(statesOf(c.words), statesOf(c.controls)) << c.words;
}

}  // namespace
