// Runs every scenario file of tests/scenarios: after each event line, the
// lines beginning with "=" list fields the state line must hold ("P2=E
// Combo2(0)=4/shown"); "= error" expects the event line to be rejected.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "tools/scenario/scenario.h"

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
    mss::signals::Engine engine;
    std::string state = mss::scenario::describe(engine);
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
        const auto event = mss::scenario::parseEvent(line);
        rejected = !event;
        if (event) {
            mss::scenario::deliver(engine, *event);
            state = mss::scenario::describe(engine);
        }
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
