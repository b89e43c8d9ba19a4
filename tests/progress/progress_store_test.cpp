// SPDX-License-Identifier: GPL-3.0-or-later
// The progress file in ordinary use: what is written comes back, nothing is
// created before the first answer, sessions are numbered by the file, and
// the figures of the drill window and its progress page.

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
using asking::AskMode;
using asking::Keeping;
using asking::SignalSet;
using drill::CardKey;
using drill::CardState;

class ProgressStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp_.isValid()); }
    fs::path folder() const { return fs::path(temp_.path().toStdString()); }
    // Two folders down, neither of them there yet.
    fs::path progressFile() const { return folder() / "share" / "mss65" / "progress.sqlite3"; }

    QTemporaryDir temp_;
};

TEST_F(ProgressStoreTest, WhatIsRecordedComesBackInANewStore) {
    const CardKey general{SignalSet::General, AskMode::Meaning, "AE1"};
    const CardKey medical{SignalSet::Medical, AskMode::Compose, "MAA"};
    const CardKey table{SignalSet::Tables, AskMode::Meaning, "I-3"};
    drill::SessionRecord first = newSession(SignalSet::General, AskMode::Meaning, 'A');
    drill::SessionRecord second = newSession(SignalSet::Tables, AskMode::Meaning);
    const std::vector<std::pair<drill::Answer, drill::SessionRecord*>> answers = {
        {answered(flagCard("A"), true, kMorning, std::nullopt, "A"), &first},
        {answered(general, false, kMorning + 5s, CardState{3, kMorning, kMorning - 72h}, "Покиньте судно"), &first},
        {answered(medical, true, kMorning + 9s, CardState{5, kMorning, kMorning - 504h}, "MAA"), &first},
        {answered(flagCard("A"), true, kMorning + 1h, CardState{1, kMorning + 10min, kMorning}, "A"), &second},
        {answered(table, true, kMorning + 2h, std::nullopt, ""), &second},
    };
    {
        ProgressStore store(progressFile());
        for (const auto& [answer, session] : answers)
            EXPECT_EQ(store.recordAnswer(answer, *session), Keeping::Saved) << describe(answer.card);
        EXPECT_TRUE(store.saving());
        EXPECT_TRUE(store.notices().empty());
    }
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(second.number, 2);

    ProgressStore store(progressFile());
    EXPECT_TRUE(store.saving());
    EXPECT_FALSE(store.setAsideFile());
    EXPECT_EQ(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag),
              (drill::CardStates{{flagCard("A"), answers[3].first.stateAfter}}));
    EXPECT_EQ(store.cardStates(SignalSet::General, AskMode::Meaning),
              (drill::CardStates{{general, CardState{0, kMorning + 5s, kMorning + 5s}}}));
    EXPECT_EQ(store.cardStates(SignalSet::Medical, AskMode::Compose),
              (drill::CardStates{{medical, answers[2].first.stateAfter}}));
    EXPECT_EQ(store.cardStates(SignalSet::Tables, AskMode::Meaning),
              (drill::CardStates{{table, answers[4].first.stateAfter}}));
    EXPECT_TRUE(store.cardStates(SignalSet::General, AskMode::Compose).empty());
    EXPECT_EQ(store.lastChoice(), second.choice);

    RawDatabase raw(progressFile());
    EXPECT_EQ(raw.column("SELECT answered_at || ' ' || card_set || ' ' || mode || ' ' || code || ' ' || given || ' ' "
                         "|| correct || ' ' || session FROM answers ORDER BY id"),
              (std::vector<std::string>{
                  "2026-12-10T14:03:07Z flags flag A A 1 1",
                  "2026-12-10T14:03:12Z general meaning AE1 Покиньте судно 0 1",
                  "2026-12-10T14:03:16Z medical compose MAA MAA 1 1",
                  "2026-12-10T15:03:07Z flags flag A A 1 2",
                  "2026-12-10T16:03:07Z tables meaning I-3  1 2",
              }));
    EXPECT_EQ(raw.column("SELECT id || ' ' || card_set || ' ' || mode || ' [' || first_letter || '] ' || started_at "
                         "FROM sessions ORDER BY id"),
              (std::vector<std::string>{"1 general meaning [A] 2026-12-10T14:03:07Z",
                                        "2 tables meaning [] 2026-12-10T15:03:07Z"}));
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
    EXPECT_EQ(raw.value("PRAGMA user_version").toInt(), kSchemaVersion);
    EXPECT_EQ(raw.value("PRAGMA journal_mode").toString(), "wal");
}

TEST_F(ProgressStoreTest, NothingIsCreatedBeforeTheFirstAnswer) {
    ProgressStore store(progressFile());
    EXPECT_TRUE(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).empty());
    EXPECT_EQ(store.counts(SignalSet::Flags, AskMode::RecogniseFlag, 36), (ProgressCounts{36, 0, 0}));
    EXPECT_TRUE(store.recentAccuracy().sessions.empty());
    EXPECT_TRUE(store.recentAccuracy(SignalSet::Flags, AskMode::RecogniseFlag).sessions.empty());
    EXPECT_TRUE(store.recentSessions().empty());
    EXPECT_TRUE(store.hardestSignals(SignalSet::Flags, AskMode::RecogniseFlag, 10).empty());
    EXPECT_FALSE(store.lastChoice());
    EXPECT_EQ(store.writeWaiting(), Keeping::Saved);
    EXPECT_TRUE(store.resetAll());
    EXPECT_TRUE(store.saving());
    EXPECT_TRUE(store.notices().empty());
    EXPECT_EQ(entriesOf(folder()), std::vector<std::string>{}) << "reading progress created files";

    drill::SessionRecord session = newSession();
    EXPECT_EQ(store.recordAnswer(answered(flagCard("B"), true, kMorning), session), Keeping::Saved);
    EXPECT_TRUE(fs::is_regular_file(progressFile()));
    EXPECT_EQ(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).size(), 1u);
}

TEST_F(ProgressStoreTest, ABlankFileLeftByAStopDuringCreationIsTakenOver) {
    fs::create_directories(progressFile().parent_path());
    writeBytes(progressFile(), "");
    ProgressStore store(progressFile());
    EXPECT_FALSE(store.setAsideFile());
    EXPECT_TRUE(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).empty());
    drill::SessionRecord session = newSession();
    EXPECT_EQ(store.recordAnswer(answered(flagCard("C"), false, kMorning), session), Keeping::Saved);
    EXPECT_TRUE(store.saving());
    EXPECT_EQ(entriesOf(progressFile().parent_path()).front(), "progress.sqlite3");
    EXPECT_EQ(ProgressStore(progressFile()).cardStates(SignalSet::Flags, AskMode::RecogniseFlag).size(), 1u);
}

TEST_F(ProgressStoreTest, EachSessionTakesTheNextNumberOfTheFileEvenWithTwoStoresWriting) {
    ProgressStore one(progressFile());
    ProgressStore other(progressFile());
    drill::SessionRecord a = newSession(SignalSet::Flags, AskMode::RecogniseFlag);
    drill::SessionRecord b = newSession(SignalSet::General, AskMode::Compose, 'C');
    drill::SessionRecord c = newSession(SignalSet::Medical, AskMode::Meaning);
    // Interleaved as two programs drilling at once would.
    const std::vector<std::pair<ProgressStore*, drill::SessionRecord*>> order = {
        {&one, &a}, {&other, &b}, {&one, &a}, {&other, &b}, {&other, &b}, {&one, &c}, {&other, &b}, {&one, &c},
    };
    int n = 0;
    for (const auto& [store, session] : order) {
        const CardKey card{session->choice.set, session->choice.mode, std::string(1, static_cast<char>('A' + n % 3))};
        EXPECT_EQ(store->recordAnswer(answered(card, n % 2 == 0, kMorning + std::chrono::seconds(n)), *session),
                  Keeping::Saved);
        ++n;
    }
    EXPECT_EQ(a.number, 1);
    EXPECT_EQ(b.number, 2);
    EXPECT_EQ(c.number, 3);
    // Each store sees the other's last choice: the file tells.
    EXPECT_EQ(one.lastChoice(), c.choice);
    EXPECT_EQ(other.lastChoice(), c.choice);
    const std::vector<SessionSummary> sessions = other.recentSessions();
    ASSERT_EQ(sessions.size(), 3u);
    EXPECT_EQ(sessions[1], (SessionSummary{2, kMorning + 1s, b.choice, 4, 2}));
    EXPECT_EQ(sessions[0].asked + sessions[1].asked + sessions[2].asked, static_cast<int>(order.size()));
}

TEST_F(ProgressStoreTest, TheLastChoiceIsThatOfTheLatestAnswer) {
    ProgressStore store(progressFile());
    drill::SessionRecord general = newSession(SignalSet::General, AskMode::Compose, 'Q');
    drill::SessionRecord flags = newSession(SignalSet::Flags, AskMode::Meaning);
    store.recordAnswer(answered({SignalSet::General, AskMode::Compose, "QA"}, true, kMorning), general);
    EXPECT_EQ(store.lastChoice(), (drill::DrillChoice{SignalSet::General, AskMode::Compose, 'Q'}));
    store.recordAnswer(answered({SignalSet::Flags, AskMode::Meaning, "Q"}, true, kMorning + 1min), flags);
    EXPECT_EQ(store.lastChoice(), flags.choice);
    // Back to the first session: its choice is the last again, whatever its number.
    store.recordAnswer(answered({SignalSet::General, AskMode::Compose, "QB"}, true, kMorning + 2min), general);
    EXPECT_EQ(store.lastChoice(), general.choice);
    EXPECT_EQ(ProgressStore(progressFile()).lastChoice(), general.choice);
}

TEST_F(ProgressStoreTest, CountsNewLearningAndLearnedCards) {
    ProgressStore store(progressFile(), fixedClock(), testCodes());
    drill::SessionRecord session = newSession();
    // Flags, recognised: boxes 0, 1 and the boxes up to the last one not
    // learned are being learned, the first learned box and the top one learned.
    int n = 0;
    for (int box : {0, 1, drill::kFirstLearnedBox - 1, drill::kFirstLearnedBox, drill::kTopBox})
        store.recordAnswer(answeredIntoBox(flagCard(std::string(1, static_cast<char>('A' + n++))), box, kMorning),
                           session);
    // The same set in another mode, and another set.
    drill::SessionRecord other = newSession(SignalSet::General, AskMode::Meaning);
    store.recordAnswer(answeredIntoBox({SignalSet::Flags, AskMode::Compose, "A"}, drill::kTopBox, kMorning), other);
    store.recordAnswer(answeredIntoBox({SignalSet::General, AskMode::Meaning, "A1"}, drill::kTopBox, kMorning), other);

    struct Case {
        const char* name;
        ProgressCounts actual;
        ProgressCounts expected;
    };
    const Case cases[] = {
        {"flags, recognised", store.counts(SignalSet::Flags, AskMode::RecogniseFlag, 36), {31, 3, 2}},
        {"flags, composed", store.counts(SignalSet::Flags, AskMode::Compose, 36), {35, 0, 1}},
        {"general section", store.counts(SignalSet::General, AskMode::Meaning, 1403), {1402, 0, 1}},
        {"medical section, untouched", store.counts(SignalSet::Medical, AskMode::Meaning, 442), {442, 0, 0}},
        {"fewer cards than answered (the code book shrank)",
         store.counts(SignalSet::Flags, AskMode::RecogniseFlag, 2),
         {0, 3, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.actual.fresh, c.expected.fresh) << c.name;
        EXPECT_EQ(c.actual.learning, c.expected.learning) << c.name;
        EXPECT_EQ(c.actual.learned, c.expected.learned) << c.name;
    }
}

TEST_F(ProgressStoreTest, AccuracyCoversTheLastTenSessions) {
    const CardKey general{SignalSet::General, AskMode::Meaning, "AE"};
    struct Given {
        int session;
        CardKey card;
        bool correct;
    };
    std::vector<Given> given;
    // Twelve sessions of flags (session s: s % 4 + 1 answers, the first one
    // wrong when s is odd); then one of the general section (13) and one
    // more of flags (14), with the general section again in between.
    for (int session = 1; session <= 12; ++session)
        for (int i = 0; i <= session % 4; ++i)
            given.push_back({session, flagCard(std::string(1, static_cast<char>('A' + i))), !(i == 0 && session % 2)});
    given.push_back({13, general, false});
    given.push_back({14, flagCard("Z"), true});
    given.push_back({13, general, true});
    given.push_back({13, general, true});

    ProgressStore store(progressFile());
    std::map<int, drill::SessionRecord> sessions;
    for (const Given& g : given) {
        auto [found, added] = sessions.try_emplace(g.session, newSession(g.card.set, g.card.mode));
        store.recordAnswer(answered(g.card, g.correct, kMorning), found->second);
        EXPECT_EQ(found->second.number, g.session) << "sessions are numbered in the order they begin";
    }

    // The expected figures, counted straight from the list above.
    const auto expectedOver = [&given](int firstSession, int lastSession, std::optional<SignalSet> set) {
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
        {"flags: sessions 4..12 and 14", store.recentAccuracy(SignalSet::Flags, AskMode::RecogniseFlag),
         expectedOver(4, 14, SignalSet::Flags)},
        {"general section: its one session", store.recentAccuracy(SignalSet::General, AskMode::Meaning),
         expectedOver(1, 14, SignalSet::General)},
        {"nothing in this mode", store.recentAccuracy(SignalSet::General, AskMode::Compose), {}},
        {"overall: sessions 5..14", store.recentAccuracy(), expectedOver(5, 14, std::nullopt)},
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

TEST_F(ProgressStoreTest, RecentSessionsCarryWhatLabelsTheirBars) {
    ManualClock clock;
    ProgressStore store(progressFile(), clock.clock());
    struct Planned {
        drill::DrillChoice choice;
        int answers;
        int wrong;
    };
    // A switch of set after one question leaves a session of one answer.
    const Planned planned[] = {
        {{SignalSet::Flags, AskMode::RecogniseFlag, 0}, 20, 3}, {{SignalSet::General, AskMode::Meaning, 'K'}, 1, 0},
        {{SignalSet::General, AskMode::Compose, 'K'}, 6, 6},    {{SignalSet::Tables, AskMode::Meaning, 0}, 4, 1},
        {{SignalSet::Medical, AskMode::Compose, 0}, 5, 0},
    };
    std::vector<SessionSummary> expected;
    for (const Planned& p : planned) {
        drill::SessionRecord session{p.choice, std::nullopt};
        const asking::TimePoint start = clock.now();
        for (int i = 0; i < p.answers; ++i) {
            const CardKey card{p.choice.set, p.choice.mode, "K" + std::to_string(i)};
            store.recordAnswer(answered(card, i >= p.wrong, clock.now()), session);
            clock.advance(20s);
        }
        expected.push_back({*session.number, start, p.choice, p.answers, p.answers - p.wrong});
        clock.advance(26h);
    }
    EXPECT_EQ(store.recentSessions(), expected);
    EXPECT_EQ(store.recentSessions(10, 5), (std::vector<SessionSummary>{expected[0], expected[2], expected[4]}));
    EXPECT_EQ(store.recentSessions(2, 5), (std::vector<SessionSummary>{expected[2], expected[4]}));
    EXPECT_EQ(store.recentSessions(2), (std::vector<SessionSummary>{expected[3], expected[4]}));
    EXPECT_TRUE(store.recentSessions(0).empty());
}

TEST_F(ProgressStoreTest, TheHardestSignalsAreThoseMostMissedOfLate) {
    ProgressStore store(progressFile(), fixedClock(), testCodes());
    // Each signal's answers in the order given: 'x' wrong, 'v' right. Only
    // the last five of each count.
    struct History {
        const char* code;
        const char* answers;
    };
    const History histories[] = {
        {"A", "xxxxxvvvvv"},  // missed five times long ago, right since: not hard
        {"B", "vvvxx"},       // two of five, the last answer wrong
        {"C", "xxxv"},        // three of four
        {"D", "xvx"},         // two of three, missed before B's last miss
        {"E", "vvvvv"},       // never missed
        {"F", "x"},           // one of one
        {"G", "vxvvv"},       // one of five, missed long before F
    };
    // Given round by round, the n-th answer of every signal in round n.
    drill::SessionRecord session = newSession();
    asking::TimePoint at = kMorning;
    for (std::size_t round = 0; round < 10; ++round)
        for (const History& h : histories)
            if (round < std::string_view(h.answers).size()) {
                store.recordAnswer(answered(flagCard(h.code), h.answers[round] == 'v', at), session);
                at += 1s;
            }
    const auto hardest = store.hardestSignals(SignalSet::Flags, AskMode::RecogniseFlag, 10);
    std::vector<std::string> codes;
    for (const HardSignal& h : hardest) codes.push_back(h.code);
    // C (three misses); B and D (two), B missed last (round 5, D round 3);
    // G and F (one), G missed last (round 2, F round 1).
    EXPECT_EQ(codes, (std::vector<std::string>{"C", "B", "D", "G", "F"}));
    ASSERT_EQ(hardest.size(), 5u);
    EXPECT_EQ(hardest[0], (HardSignal{"C", 3, 4}));
    EXPECT_EQ(hardest[3], (HardSignal{"G", 1, 5}));
    EXPECT_EQ(store.hardestSignals(SignalSet::Flags, AskMode::RecogniseFlag, 2).size(), 2u);
    EXPECT_TRUE(store.hardestSignals(SignalSet::Flags, AskMode::Compose, 10).empty());
}

TEST_F(ProgressStoreTest, ResetDeletesAllProgressAndKeepsAWorkingFile) {
    {
        ProgressStore store(progressFile());
        for (int session = 1; session <= 3; ++session) {
            drill::SessionRecord record = newSession();
            store.recordAnswer(answered(flagCard("D"), true, kMorning + std::chrono::hours(session)), record);
        }
        EXPECT_TRUE(store.resetAll());
        EXPECT_TRUE(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).empty());
        EXPECT_TRUE(store.recentAccuracy().sessions.empty());
        EXPECT_TRUE(store.recentSessions().empty());
        EXPECT_FALSE(store.lastChoice());
    }
    ProgressStore store(progressFile());
    EXPECT_FALSE(store.setAsideFile());
    EXPECT_TRUE(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).empty())
        << "the reset did not reach the file";
    drill::SessionRecord session = newSession();
    EXPECT_EQ(store.recordAnswer(answered(flagCard("E"), true, kMorning), session), Keeping::Saved);
    EXPECT_EQ(session.number, 1);
    EXPECT_EQ(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).size(), 1u);
}

}  // namespace
}  // namespace mss::progress
