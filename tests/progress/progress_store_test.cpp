// SPDX-License-Identifier: GPL-3.0-or-later
// The progress file in ordinary use: what is written comes back, nothing is
// created before the first answer, and the figures of the drill window.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

#include "drill/leitner_boxes.h"
#include "progress/progress_schema.h"
#include "progress/progress_store.h"
#include "progress_test_support.h"

namespace mss::progress {
namespace {

using namespace std::chrono_literals;
using namespace testing;
using drill::CardKey;
using drill::CardState;
using drill::DrillMode;
using drill::DrillSet;

class ProgressStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp_.isValid()); }
    fs::path folder() const { return fs::path(temp_.path().toStdString()); }
    // Two folders down, neither of them there yet.
    fs::path progressFile() const { return folder() / "share" / "mss65" / "progress.sqlite3"; }

    QTemporaryDir temp_;
};

TEST_F(ProgressStoreTest, WhatIsRecordedComesBackInANewStore) {
    const CardKey general{DrillSet::General, DrillMode::Meaning, "AE1"};
    const CardKey medical{DrillSet::Medical, DrillMode::Compose, "MAA"};
    const CardKey table{DrillSet::Tables, DrillMode::Meaning, "I-3"};
    const std::vector<std::pair<drill::Answer, int>> answers = {
        {answered(flagCard("A"), true, kMorning, std::nullopt, "A"), 1},
        {answered(general, false, kMorning + 5s, CardState{3, kMorning, kMorning - 72h}, "Покиньте судно"), 1},
        {answered(medical, true, kMorning + 9s, CardState{5, kMorning, kMorning - 504h}, "MAA"), 1},
        {answered(flagCard("A"), true, kMorning + 1h, CardState{1, kMorning + 10min, kMorning}, "A"), 2},
        {answered(table, true, kMorning + 2h, std::nullopt, "Таблица I, 3"), 2},
    };
    drill::CardStates expected;
    {
        ProgressStore store(progressFile());
        for (const auto& [answer, session] : answers) {
            EXPECT_TRUE(store.recordAnswer(answer, session)) << describe(answer.card);
            expected.insert_or_assign(answer.card, answer.stateAfter);
        }
        EXPECT_TRUE(store.saving());
    }

    ProgressStore store(progressFile());
    EXPECT_TRUE(store.saving());
    EXPECT_FALSE(store.setAsideFile());
    EXPECT_EQ(store.allCardStates(), expected);
    EXPECT_EQ(store.cardStates(DrillSet::Flags, DrillMode::RecogniseFlag),
              (drill::CardStates{{flagCard("A"), CardState{2, kMorning + 1h + 24h, kMorning + 1h}}}));
    EXPECT_EQ(store.cardStates(DrillSet::General, DrillMode::Meaning),
              (drill::CardStates{{general, CardState{0, kMorning + 5s, kMorning + 5s}}}));
    EXPECT_TRUE(store.cardStates(DrillSet::General, DrillMode::Compose).empty());
    EXPECT_EQ(store.nextSessionNumber(), 3);

    RawDatabase raw(progressFile());
    EXPECT_EQ(raw.column("SELECT answered_at || ' ' || card_set || ' ' || mode || ' ' || code || ' ' || given || ' ' "
                         "|| correct || ' ' || session FROM answers ORDER BY id"),
              (std::vector<std::string>{
                  "2026-12-10T14:03:07Z flags flag A A 1 1",
                  "2026-12-10T14:03:12Z general meaning AE1 Покиньте судно 0 1",
                  "2026-12-10T14:03:16Z medical compose MAA MAA 1 1",
                  "2026-12-10T15:03:07Z flags flag A A 1 2",
                  "2026-12-10T16:03:07Z tables meaning I-3 Таблица I, 3 1 2",
              }));
    EXPECT_EQ(raw.column("SELECT card_set || ' ' || code || ' ' || box || ' ' || "
                         "strftime('%Y-%m-%dT%H:%M:%SZ', due_at, 'unixepoch') || ' ' || "
                         "strftime('%Y-%m-%dT%H:%M:%SZ', last_answered_at, 'unixepoch') "
                         "FROM cards ORDER BY card_set, code"),
              (std::vector<std::string>{
                  "flags A 2 2026-12-11T15:03:07Z 2026-12-10T15:03:07Z",
                  "general AE1 0 2026-12-10T14:03:12Z 2026-12-10T14:03:12Z",
                  "medical MAA 6 2027-02-08T14:03:16Z 2026-12-10T14:03:16Z",
                  "tables I-3 1 2026-12-10T16:13:07Z 2026-12-10T16:03:07Z",
              }));
    EXPECT_EQ(raw.value("PRAGMA application_id").toInt(), kApplicationId);
    EXPECT_EQ(raw.value("PRAGMA user_version").toInt(), 1);
    EXPECT_EQ(raw.value("PRAGMA journal_mode").toString(), "wal");
}

TEST_F(ProgressStoreTest, NothingIsCreatedBeforeTheFirstAnswer) {
    ProgressStore store(progressFile());
    EXPECT_TRUE(store.allCardStates().empty());
    EXPECT_TRUE(store.cardStates(DrillSet::Flags, DrillMode::RecogniseFlag).empty());
    EXPECT_EQ(store.counts(DrillSet::Flags, DrillMode::RecogniseFlag, 36), (ProgressCounts{36, 0, 0}));
    EXPECT_EQ(store.counts(DrillSet::Flags, 36), (ProgressCounts{36, 0, 0}));
    EXPECT_TRUE(store.recentAccuracy().sessions.empty());
    EXPECT_TRUE(store.recentAccuracy(DrillSet::Flags, DrillMode::RecogniseFlag).sessions.empty());
    EXPECT_EQ(store.nextSessionNumber(), 1);
    EXPECT_TRUE(store.resetAll());
    EXPECT_TRUE(store.saving());
    EXPECT_EQ(entriesOf(folder()), std::vector<std::string>{}) << "reading progress created files";

    EXPECT_TRUE(store.recordAnswer(answered(flagCard("B"), true, kMorning), 1));
    EXPECT_TRUE(fs::is_regular_file(progressFile()));
    EXPECT_EQ(store.cardStates(DrillSet::Flags, DrillMode::RecogniseFlag).size(), 1u);
}

TEST_F(ProgressStoreTest, ABlankFileLeftByAStopDuringCreationIsTakenOver) {
    fs::create_directories(progressFile().parent_path());
    writeBytes(progressFile(), "");
    ProgressStore store(progressFile());
    EXPECT_FALSE(store.setAsideFile());
    EXPECT_TRUE(store.allCardStates().empty());
    EXPECT_TRUE(store.recordAnswer(answered(flagCard("C"), false, kMorning), 1));
    EXPECT_TRUE(store.saving());
    EXPECT_EQ(entriesOf(progressFile().parent_path()).front(), "progress.sqlite3");
    EXPECT_EQ(ProgressStore(progressFile()).allCardStates().size(), 1u);
}

TEST_F(ProgressStoreTest, RowsThisVersionCannotPlaceAreReadSafely) {
    {
        ProgressStore store(progressFile());
        store.recordAnswer(answered(flagCard("A"), true, kMorning), 1);
    }
    {
        // A later version's set and mode, and a box beyond the top one.
        RawDatabase raw(progressFile());
        raw.run("INSERT INTO cards VALUES ('ships', 'flag', 'A', 2, 1796911387, 1796911387)");
        raw.run("INSERT INTO cards VALUES ('flags', 'semaphore', 'A', 2, 1796911387, 1796911387)");
        raw.run("INSERT INTO cards VALUES ('flags', 'flag', 'Z', 99, 1796911387, 1796911387)");
    }
    ProgressStore store(progressFile());
    const drill::CardStates all = store.allCardStates();
    EXPECT_EQ(all.size(), 2u) << "unknown sets or modes were read as known ones";
    ASSERT_TRUE(all.contains(flagCard("Z")));
    EXPECT_EQ(all.at(flagCard("Z")).box, drill::kTopBox);
    EXPECT_EQ(store.cardStates(DrillSet::Flags, DrillMode::RecogniseFlag), all);
}

TEST_F(ProgressStoreTest, CountsNewLearningAndLearnedCards) {
    ProgressStore store(progressFile());
    // Flags, recognised: boxes 0, 1 and 4 are being learned, 5 and 6 learned.
    int n = 0;
    for (int box : {0, 1, 4, 5, 6})
        store.recordAnswer(answeredIntoBox(flagCard(std::string(1, static_cast<char>('A' + n++))), box, kMorning), 1);
    // The same set in another mode, and another set.
    store.recordAnswer(answeredIntoBox({DrillSet::Flags, DrillMode::Compose, "A"}, 5, kMorning), 1);
    store.recordAnswer(answeredIntoBox({DrillSet::General, DrillMode::Meaning, "AC"}, 6, kMorning), 1);

    struct Case {
        const char* name;
        ProgressCounts actual;
        ProgressCounts expected;
    };
    const Case cases[] = {
        {"flags, recognised", store.counts(DrillSet::Flags, DrillMode::RecogniseFlag, 36), {31, 3, 2}},
        {"flags, composed", store.counts(DrillSet::Flags, DrillMode::Compose, 36), {35, 0, 1}},
        {"flags, all modes", store.counts(DrillSet::Flags, 72), {66, 3, 3}},
        {"general section", store.counts(DrillSet::General, 1403), {1402, 0, 1}},
        {"medical section, untouched", store.counts(DrillSet::Medical, 442), {442, 0, 0}},
        {"fewer cards than answered (the code book shrank)",
         store.counts(DrillSet::Flags, DrillMode::RecogniseFlag, 2), {0, 3, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.actual.fresh, c.expected.fresh) << c.name;
        EXPECT_EQ(c.actual.learning, c.expected.learning) << c.name;
        EXPECT_EQ(c.actual.learned, c.expected.learned) << c.name;
    }
}

TEST_F(ProgressStoreTest, AccuracyCoversTheLastTenSessions) {
    const CardKey general{DrillSet::General, DrillMode::Meaning, "AE"};
    struct Given {
        int session;
        CardKey card;
        bool correct;
    };
    std::vector<Given> given;
    // Twelve sessions of flags (session s: s % 4 + 1 answers, the first one
    // wrong when s is odd); the general section in sessions 5 and 13 only.
    for (int session = 1; session <= 12; ++session)
        for (int i = 0; i <= session % 4; ++i)
            given.push_back({session, flagCard(std::string(1, static_cast<char>('A' + i))), !(i == 0 && session % 2)});
    given.push_back({5, general, false});
    given.push_back({13, general, true});
    given.push_back({13, general, true});

    ProgressStore store(progressFile());
    for (const Given& g : given) store.recordAnswer(answered(g.card, g.correct, kMorning), g.session);

    // The expected figures, counted straight from the list above.
    const auto expectedOver = [&given](int firstSession, int lastSession, std::optional<DrillSet> set) {
        std::map<int, SessionScore> scores;
        for (const Given& g : given)
            if (g.session >= firstSession && g.session <= lastSession && (!set || g.card.set == *set)) {
                SessionScore& score = scores[g.session];
                score.session = g.session;
                ++score.answers;
                score.right += g.correct ? 1 : 0;
            }
        std::vector<SessionScore> list;
        for (const auto& [session, score] : scores) list.push_back(score);
        return list;
    };
    struct Case {
        const char* name;
        RecentAccuracy actual;
        std::vector<SessionScore> expected;
    };
    const Case cases[] = {
        {"flags: sessions 3..12", store.recentAccuracy(DrillSet::Flags, DrillMode::RecogniseFlag),
         expectedOver(3, 12, DrillSet::Flags)},
        {"general section: its two sessions", store.recentAccuracy(DrillSet::General, DrillMode::Meaning),
         expectedOver(1, 13, DrillSet::General)},
        {"nothing in this mode", store.recentAccuracy(DrillSet::General, DrillMode::Compose), {}},
        {"overall: sessions 4..13", store.recentAccuracy(), expectedOver(4, 13, std::nullopt)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual.sessions, c.expected);
        int answers = 0, right = 0;
        for (const SessionScore& score : c.expected) answers += score.answers, right += score.right;
        EXPECT_EQ(c.actual.answers, answers);
        EXPECT_EQ(c.actual.right, right);
        EXPECT_DOUBLE_EQ(c.actual.share(), answers ? static_cast<double>(right) / answers : 0.0);
    }
}

TEST_F(ProgressStoreTest, ResetDeletesAllProgressAndKeepsAWorkingFile) {
    {
        ProgressStore store(progressFile());
        for (int session = 1; session <= 3; ++session)
            store.recordAnswer(answered(flagCard("D"), true, kMorning + std::chrono::hours(session)), session);
        EXPECT_TRUE(store.resetAll());
        EXPECT_TRUE(store.allCardStates().empty());
        EXPECT_TRUE(store.recentAccuracy().sessions.empty());
        EXPECT_EQ(store.nextSessionNumber(), 1);
    }
    ProgressStore store(progressFile());
    EXPECT_FALSE(store.setAsideFile());
    EXPECT_TRUE(store.allCardStates().empty()) << "the reset did not reach the file";
    EXPECT_TRUE(store.recordAnswer(answered(flagCard("E"), true, kMorning), 1));
    EXPECT_EQ(store.allCardStates().size(), 1u);
}

}  // namespace
}  // namespace mss::progress
