// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the progress page, read in one call from a small progress
// file: every set's cards in the mode chosen, the sessions of the chart and
// the short ones it leaves out, and the hardest signals of the set chosen.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drill/leitner_boxes.h"
#include "progress/progress_page_reading.h"
#include "progress/progress_store.h"
#include "progress_test_support.h"

namespace mss::progress {
namespace {

using namespace std::chrono_literals;
using namespace testing;
using drill::CardKey;
using drill::DrillChoice;
using asking::AskMode;
using asking::SignalSet;

// Cards in all of each set, as the code book would say.
int cardsIn(SignalSet set) {
    switch (set) {
        case SignalSet::Flags: return 36;
        case SignalSet::SingleLetter: return 26;
        case SignalSet::General: return 100;
        case SignalSet::Medical: return 50;
        case SignalSet::Tables: return 20;
    }
    return 0;
}

class ProgressPageReadingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp_.isValid()); }
    fs::path progressFile() const { return fs::path(temp_.path().toStdString()) / "progress.sqlite3"; }

    QTemporaryDir temp_;
};

// One answer of the fixture: the session it belongs to (by its place among
// the fixture's sessions), the card, and how it went.
struct Given {
    int session;
    CardKey card;
    bool correct;
    int box = -1;  // the box the answer leaves the card in; -1: as the drill's boxes say
};

TEST_F(ProgressPageReadingTest, ThePageReadsEveryFigureItShows) {
    const auto general = [](const std::string& code) { return CardKey{SignalSet::General, AskMode::Meaning, code}; };
    const auto composed = [](const std::string& code) { return CardKey{SignalSet::General, AskMode::Compose, code}; };
    const std::vector<DrillChoice> choices = {
        {SignalSet::General, AskMode::Meaning, 'A'},     // 1: six answers, charted
        {SignalSet::SingleLetter, AskMode::Meaning, 0},  // 2: two answers, left out
        {SignalSet::General, AskMode::Compose, 'A'},     // 3: five answers, charted
        {SignalSet::Medical, AskMode::Meaning, 0},       // 4: one answer, left out
    };
    const std::vector<Given> given = {
        {1, general("A1"), true, drill::kTopBox},
        {1, general("A2"), false},
        {1, general("A3"), false},
        {1, general("A2"), false},
        {1, general("A4"), true},
        {1, general("A3"), true},
        {2, {SignalSet::SingleLetter, AskMode::Meaning, "B"}, true},
        {2, {SignalSet::SingleLetter, AskMode::Meaning, "C"}, false},
        // Missed in another mode of the set chosen: not among its hardest.
        {3, composed("A5"), false},
        {3, composed("A6"), false},
        {3, composed("A7"), false},
        {3, composed("A8"), false},
        {3, composed("A9"), false},
        {4, {SignalSet::Medical, AskMode::Meaning, "M1"}, true, drill::kFirstLearnedBox},
    };
    std::vector<SessionSummary> expectedShown;
    {
        ProgressStore store(progressFile(), fixedClock(), testCodes());
        std::vector<drill::SessionRecord> sessions;
        for (const DrillChoice& choice : choices) sessions.push_back({choice, std::nullopt});
        asking::TimePoint at = kMorning;
        for (const Given& g : given) {
            at += 1min;
            const drill::Answer answer =
                g.box < 0 ? answered(g.card, g.correct, at) : answeredIntoBox(g.card, g.box, at);
            ASSERT_EQ(store.recordAnswer(answer, sessions[static_cast<std::size_t>(g.session - 1)]),
                      asking::Keeping::Saved);
        }
        expectedShown = {{1, kMorning + 1min, choices[0], 6, 3}, {3, kMorning + 9min, choices[2], 5, 0}};
    }

    ProgressStore store(progressFile(), fixedClock(), testCodes());
    const ProgressPageFigures figures = ProgressReading(store).page(choices[0], cardsIn);

    const std::vector<SetCounts> expectedSets = {
        {SignalSet::Flags, {36, 0, 0}},   {SignalSet::SingleLetter, {24, 2, 0}}, {SignalSet::General, {96, 3, 1}},
        {SignalSet::Medical, {49, 0, 1}}, {SignalSet::Tables, {20, 0, 0}},
    };
    EXPECT_EQ(figures.sets, expectedSets);
    EXPECT_EQ(figures.sessions.shown, expectedShown);
    EXPECT_EQ(figures.sessions.leftOut, 2) << "sessions 2 and 4 are shorter than the chart takes";
    // A2 missed twice, A3 once and then answered right; A1 and A4 never.
    const std::vector<HardSignal> expectedHardest = {{"A2", 2, 2}, {"A3", 1, 2}};
    EXPECT_EQ(figures.hardest, expectedHardest);

    // The same file, another set and mode chosen.
    const ProgressPageFigures composing =
        ProgressReading(store).page({SignalSet::General, AskMode::Compose, 0}, cardsIn);
    EXPECT_EQ(composing.sets[2], (SetCounts{SignalSet::General, {95, 5, 0}}));
    EXPECT_EQ(composing.sessions.shown, expectedShown) << "the chart shows every set and mode";
    ASSERT_EQ(composing.hardest.size(), 5u);
    EXPECT_EQ(composing.hardest.front(), (HardSignal{"A9", 1, 1})) << "of equal misses, the one missed last first";
}

TEST_F(ProgressPageReadingTest, NoProgressYetReadsAsEveryCardNew) {
    ProgressStore store(progressFile(), fixedClock(), testCodes());
    const ProgressPageFigures figures =
        ProgressReading(store).page({SignalSet::Flags, AskMode::RecogniseFlag, 0}, cardsIn);
    ASSERT_EQ(figures.sets.size(), std::size(asking::kAllSets));
    for (std::size_t i = 0; i < figures.sets.size(); ++i) {
        const SignalSet set = asking::kAllSets[i];
        EXPECT_EQ(figures.sets[i], (SetCounts{set, {cardsIn(set), 0, 0}})) << asking::storedName(set);
    }
    EXPECT_TRUE(figures.sessions.shown.empty());
    EXPECT_EQ(figures.sessions.leftOut, 0);
    EXPECT_TRUE(figures.hardest.empty());
    EXPECT_FALSE(fs::exists(progressFile())) << "reading creates no file";
}

// Sessions of flags, one after another, of so many answers each.
void recordSessions(ProgressStore& store, const std::vector<int>& answers) {
    asking::TimePoint at = kMorning;
    for (const int count : answers) {
        drill::SessionRecord session = newSession();
        for (int i = 0; i < count; ++i) {
            at += 1min;
            ASSERT_EQ(store.recordAnswer(
                          answered(flagCard(std::string(1, static_cast<char>('A' + i % 26))), i % 3 != 0, at), session),
                      asking::Keeping::Saved);
        }
    }
}

// Runs of sessions, oldest first: so many sessions of so many answers each.
std::vector<int> runs(std::initializer_list<std::pair<int, int>> list) {
    std::vector<int> answers;
    for (const auto& [sessions, each] : list) answers.insert(answers.end(), static_cast<std::size_t>(sessions), each);
    return answers;
}

TEST_F(ProgressPageReadingTest, TheChartLeavesOutShortSessionsAndCountsThem) {
    struct Case {
        const char* name;
        std::vector<int> answers;  // of each session, oldest first
        std::vector<int> shown;    // the numbers of the sessions charted
        int leftOut;
    };
    const Case cases[] = {
        {"only short ones", {1, 4}, {}, 2},
        {"every one long enough", {5, 20, 6}, {1, 2, 3}, 0},
        {"a short one before the oldest bar is no gap", {3, 5, 1, 6}, {2, 4}, 1},
        {"eleven long ones: the oldest is off the chart, the short one after it not counted",
         runs({{1, 6}, {1, 3}, {10, 5}, {2, 2}}),
         {3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         2},
        // More short ones than the first look back covers, twice over.
        {"forty-five short ones after the only bar", runs({{1, 5}, {45, 2}}), {1}, 45},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = progressFile().replace_filename(std::string("cases-") + std::to_string(&c - cases));
        ProgressStore store(file, fixedClock(), testCodes());
        recordSessions(store, c.answers);
        const RecentSessions recent = ProgressReading(store).recentSessions();
        std::vector<int> shown;
        for (const SessionSummary& s : recent.shown) {
            shown.push_back(s.number);
            EXPECT_GE(s.asked, kFewestAnswersCharted) << "session " << s.number;
        }
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(recent.leftOut, c.leftOut);
    }
}

}  // namespace
}  // namespace mss::progress
