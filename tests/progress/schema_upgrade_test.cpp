// SPDX-License-Identifier: GPL-3.0-or-later
// A progress file of version 1 brought up to this version: every answer
// kept, its sessions numbered on from the numbers it had, its cards worked
// out afresh from the answers; nothing changed when that cannot be done.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "drill/leitner_boxes.h"
#include "progress/progress_schema.h"
#include "progress/progress_store.h"
#include "progress/utc_text.h"
#include "progress_test_support.h"

namespace mss::progress {
namespace {

using namespace std::chrono_literals;
using namespace testing;
using asking::AskMode;
using asking::Keeping;
using asking::SignalSet;

const QString kAllAnswers = QStringLiteral(
    "SELECT id || ' ' || answered_at || ' ' || card_set || ' ' || mode || ' ' || code || ' ' || given || ' ' || "
    "correct || ' ' || session FROM answers ORDER BY id");

// An answer row of a version-1 file, `seconds` after the morning.
QString answerRow(int id, int seconds, const char* set, const char* mode, const char* code, bool correct,
                  long long session) {
    return QStringLiteral("INSERT INTO answers VALUES (%1, '%2', '%3', '%4', '%5', 'ответ %1', %6, %7)")
        .arg(id)
        .arg(QString::fromStdString(utcText(kMorning + std::chrono::seconds(seconds))))
        .arg(QLatin1String(set), QLatin1String(mode), QLatin1String(code))
        .arg(correct ? 1 : 0)
        .arg(session);
}

// A card row as version 1 stored it: `box`, due a day after the morning.
QString cardRow(const char* set, const char* mode, const char* code, int box) {
    return QStringLiteral("INSERT INTO cards VALUES ('%1', '%2', '%3', %4, %5, %6)")
        .arg(QLatin1String(set), QLatin1String(mode), QLatin1String(code))
        .arg(box)
        .arg(secondsSinceEpoch(kMorning + 24h))
        .arg(secondsSinceEpoch(kMorning));
}

class SchemaUpgradeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp_.isValid()); }
    fs::path file() const { return fs::path(temp_.path().toStdString()) / "progress.sqlite3"; }

    QTemporaryDir temp_;
};

TEST_F(SchemaUpgradeTest, KeepsEveryAnswerAndNumbersNewSessionsAboveTheOldOnes) {
    writeVersion1File(file(), {
                                  answerRow(1, 0, "flags", "flag", "A", true, 1),
                                  answerRow(2, 5, "flags", "flag", "B", false, 1),
                                  answerRow(3, 3600, "general", "compose", "AE", true, 2),
                                  // Session 5: numbers of version 1 had gaps where nothing was answered.
                                  answerRow(4, 7200, "medical", "meaning", "MAA", false, 5),
                                  answerRow(5, 7205, "medical", "meaning", "MAB", true, 5),
                                  cardRow("flags", "flag", "A", 1),
                                  cardRow("flags", "flag", "B", 0),
                                  cardRow("general", "compose", "AE", 1),
                              });
    const std::vector<std::string> answersBefore = RawDatabase(file()).column(kAllAnswers);

    ProgressStore store(file(), fixedClock(kMorning + 3h));
    EXPECT_TRUE(store.notices().empty()) << store.notices().front();
    {
        RawDatabase raw(file());
        EXPECT_EQ(raw.value("PRAGMA user_version").toInt(), kSchemaVersion);
        EXPECT_EQ(raw.column(kAllAnswers), answersBefore);
        EXPECT_EQ(raw.column("SELECT id || ' ' || card_set || ' ' || mode || ' [' || first_letter || '] ' || started_at "
                             "FROM sessions ORDER BY id"),
                  (std::vector<std::string>{"1 flags flag [] 2026-12-10T14:03:07Z",
                                            "2 general compose [] 2026-12-10T15:03:07Z",
                                            "5 medical meaning [] 2026-12-10T16:03:07Z"}));
        EXPECT_EQ(raw.value("PRAGMA foreign_key_check").toString(), QString()) << "an answer refers to no session";
    }
    EXPECT_EQ(store.lastChoice(), (drill::DrillChoice{SignalSet::Medical, AskMode::Meaning, 0}));
    const std::vector<SessionSummary> sessions = store.recentSessions();
    ASSERT_EQ(sessions.size(), 3u);
    EXPECT_EQ(sessions[2], (SessionSummary{5, kMorning + 2h, {SignalSet::Medical, AskMode::Meaning, 0}, 2, 1}));

    drill::SessionRecord next = newSession(SignalSet::General, AskMode::Meaning, 'B');
    EXPECT_EQ(store.recordAnswer(answered({SignalSet::General, AskMode::Meaning, "BA"}, true, kMorning + 3h), next),
              Keeping::Saved);
    EXPECT_EQ(next.number, 6);
    EXPECT_EQ(store.lastChoice(), next.choice);
}

TEST_F(SchemaUpgradeTest, AVersion2FileGainsTheExamsTicketsKeepingEveryAnswer) {
    {
        SqliteFailure failure;
        auto connection = SqliteConnection::open(file(), SqliteConnection::Access::ReadWrite, failure);
        ASSERT_TRUE(connection) << failure.text.toStdString();
        ASSERT_EQ(migrate(*connection, 0, 2), Migration::Done);
        ASSERT_TRUE(connection->run(
            QStringLiteral("INSERT INTO sessions VALUES (4, 'flags', 'flag', '', '2026-12-10T14:03:07Z')")));
        ASSERT_TRUE(connection->run(QStringLiteral(
            "INSERT INTO answers VALUES (1, '2026-12-10T14:03:08Z', 'flags', 'flag', 'A', 'A', 1, 4)")));
    }
    const std::vector<std::string> answersBefore = RawDatabase(file()).column(kAllAnswers);
    ProgressStore store(file(), fixedClock(kMorning + 1h));
    EXPECT_TRUE(store.notices().empty()) << store.notices().front();
    EXPECT_EQ(RawDatabase(file()).value("PRAGMA user_version").toInt(), kSchemaVersion);
    EXPECT_EQ(RawDatabase(file()).column(kAllAnswers), answersBefore);

    // A ticket and its answers, one of them given twice; the drill's cards are untouched.
    const auto cardsBefore = store.cardStates(SignalSet::General, AskMode::Compose);
    const auto ticket =
        store.startTicket({7, exam::ExamScope::Full, 10, kMorning + 1h, std::chrono::minutes(10), exam::kLatestDraw}).id;
    ASSERT_TRUE(ticket);
    EXPECT_EQ(store.saveAnswer(*ticket, {0, exam::TaskKind::ComposeHoist, "AE1", "AE", false, {0, 4}}, 20s),
              Keeping::Saved);
    EXPECT_EQ(store.saveAnswer(*ticket, {0, exam::TaskKind::ComposeHoist, "AE1", "AE1", true, {0, 4, 27}}, 30s),
              Keeping::Saved);
    EXPECT_EQ(store.saveAnswer(*ticket, {3, exam::TaskKind::FlagBySight, "Q", "", false, {}}, 45s), Keeping::Saved);
    EXPECT_EQ(store.finishTicket(*ticket, {kMorning + 1h + 5min, 9, 1, 0, true, false}), Keeping::Saved);
    EXPECT_EQ(store.cardStates(SignalSet::General, AskMode::Compose), cardsBefore);
    const auto past = store.pastTickets();
    ASSERT_EQ(past.size(), 1u);
    EXPECT_EQ(past[0].number, 7);
    EXPECT_EQ(past[0].scope, exam::ExamScope::Full);
    EXPECT_EQ(past[0].limit, std::chrono::minutes(10));
    EXPECT_EQ(past[0].answered, 1) << "the question left without an answer is not counted";
    EXPECT_EQ(past[0].draw, exam::kLatestDraw);
    ASSERT_TRUE(past[0].end);
    EXPECT_TRUE(past[0].end->passed);
    EXPECT_EQ(RawDatabase(file()).column("SELECT given FROM ticket_answers ORDER BY place"),
              (std::vector<std::string>{"AE1", ""}));
    // What takes it up again: the answers with their flags, and the time spent.
    EXPECT_EQ(past[0].used, 45s);
    const auto answers = store.answersOf(past[0].id);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].given, "AE1");
    EXPECT_EQ(answers[0].flags, (std::vector<int>{0, 4, 27}));
    EXPECT_EQ(answers[1].kind, exam::TaskKind::FlagBySight);
    EXPECT_TRUE(answers[1].flags.empty());
    EXPECT_EQ(store.saveTimeUsed(past[0].id, 50s), Keeping::Saved);
    EXPECT_EQ(store.pastTickets().at(0).used, 50s);
}

TEST_F(SchemaUpgradeTest, AVersion3FileKeepsItsTicketsAsDrawnByTheFirstDraw) {
    const QString kAllTickets = QStringLiteral(
        "SELECT id || ' ' || number || ' ' || scope || ' ' || length || ' ' || started_at || ' ' || limit_minutes || "
        "' ' || coalesce(ended_at, '-') || ' ' || coalesce(right_answers, '-') || ' ' || coalesce(passed, '-') "
        "FROM tickets ORDER BY id");
    const QString kAllTicketAnswers = QStringLiteral(
        "SELECT ticket || ' ' || place || ' ' || task || ' ' || asked || ' ' || given || ' ' || correct "
        "FROM ticket_answers ORDER BY ticket, place");
    {
        SqliteFailure failure;
        auto connection = SqliteConnection::open(file(), SqliteConnection::Access::ReadWrite, failure);
        ASSERT_TRUE(connection) << failure.text.toStdString();
        ASSERT_EQ(migrate(*connection, 0, 3), Migration::Done);
        for (const char* row : {
                 "INSERT INTO sessions VALUES (4, 'flags', 'flag', '', '2026-12-10T14:03:07Z')",
                 "INSERT INTO answers VALUES (1, '2026-12-10T14:03:08Z', 'flags', 'flag', 'A', 'A', 1, 4)",
                 "INSERT INTO tickets VALUES (1, 7, 'basic', 20, '2026-12-10T15:00:00Z', 0, "
                 "'2026-12-10T15:20:00Z', 18, 2, 0, 1, 0)",
                 "INSERT INTO tickets VALUES (2, 12, 'flags', 10, '2026-12-10T16:00:00Z', 10, "
                 "NULL, NULL, NULL, NULL, NULL, NULL)",
                 "INSERT INTO ticket_answers VALUES (1, 0, 'compose', 'CB4', 'CB4', 1)",
                 "INSERT INTO ticket_answers VALUES (1, 5, 'read-type', 'BR3', 'BR', 0)",
                 "INSERT INTO ticket_answers VALUES (2, 3, 'flag', 'Q', 'Q', 1)",
             })
            ASSERT_TRUE(connection->run(QString::fromUtf8(row))) << row;
    }
    const std::vector<std::string> answersBefore = RawDatabase(file()).column(kAllAnswers);
    const std::vector<std::string> ticketsBefore = RawDatabase(file()).column(kAllTickets);
    const std::vector<std::string> ticketAnswersBefore = RawDatabase(file()).column(kAllTicketAnswers);
    ASSERT_EQ(ticketsBefore.size(), 2u);

    ProgressStore store(file(), fixedClock(kMorning + 3h));
    EXPECT_TRUE(store.notices().empty()) << store.notices().front();
    {
        RawDatabase raw(file());
        EXPECT_EQ(raw.value("PRAGMA user_version").toInt(), kSchemaVersion);
        EXPECT_EQ(raw.column(kAllAnswers), answersBefore);
        EXPECT_EQ(raw.column(kAllTickets), ticketsBefore);
        EXPECT_EQ(raw.column(kAllTicketAnswers), ticketAnswersBefore);
        EXPECT_EQ(raw.column("SELECT draw FROM tickets ORDER BY id"), (std::vector<std::string>{"1", "1"}));
    }
    auto past = store.pastTickets();
    ASSERT_EQ(past.size(), 2u);
    EXPECT_EQ(past[0].number, 12);
    EXPECT_EQ(past[0].draw, exam::kFirstDraw);
    EXPECT_FALSE(past[0].end);
    EXPECT_EQ(past[0].used, 0s) << "not known for a ticket of an earlier version";
    EXPECT_EQ(past[1].draw, exam::kFirstDraw);
    ASSERT_TRUE(past[1].end);
    EXPECT_EQ(past[1].end->right, 18);
    const auto answers = store.answersOf(past[1].id);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[1].given, "BR");
    EXPECT_TRUE(answers[1].flags.empty());

    // A new ticket keeps the draw it was drawn by.
    const auto ticket =
        store.startTicket({9, exam::ExamScope::Basic, 20, kMorning + 3h, std::nullopt, exam::kLatestDraw}).id;
    ASSERT_TRUE(ticket);
    past = store.pastTickets();
    ASSERT_EQ(past.size(), 3u);
    EXPECT_EQ(past[0].number, 9);
    EXPECT_EQ(past[0].draw, exam::kLatestDraw);
}

TEST_F(SchemaUpgradeTest, CardsAreWorkedOutAfreshFromTheirAnswers) {
    struct Case {
        const char* name;
        const char* code;
        int storedBox;                          // what version 1 had stored
        std::vector<std::pair<int, int>> answers;  // (seconds after the morning, session), every one right
        bool learned;
        int box;
    };
    const int minute = 60, day = 86400;
    const Case cases[] = {
        {"right 8 times in one minute, each a session of its own, stored at the top box", "A", drill::kTopBox,
         {{0, 1}, {8, 2}, {16, 3}, {24, 4}, {32, 5}, {40, 6}, {48, 7}, {56, 8}}, false, 1},
        {"right after 10 minutes, a day, 3 days and a week, each after the one before", "B", 2,
         {{0, 9}, {10 * minute, 10}, {10 * minute + day, 11}, {10 * minute + 4 * day, 12}, {10 * minute + 11 * day, 13}},
         true, 5},
        {"answered once", "C", 4, {{0, 9}}, false, 1},
    };
    std::vector<QString> rows;
    int id = 0;
    for (const Case& c : cases) {
        for (const auto& [seconds, session] : c.answers)
            rows.push_back(answerRow(++id, seconds, "flags", "flag", c.code, true, session));
        rows.push_back(cardRow("flags", "flag", c.code, c.storedBox));
    }
    // A card stored with no answer behind it, and an answer whose time no
    // clock of ours wrote.
    rows.push_back(cardRow("flags", "flag", "D", drill::kTopBox));
    rows.push_back(QStringLiteral("INSERT INTO answers VALUES (99, '1715-03-01T00:00:00Z', 'flags', 'flag', 'E', "
                                  "'E', 1, 7)"));
    writeVersion1File(file(), rows);

    ProgressStore store(file(), fixedClock(kMorning + 20 * 24h));
    const drill::CardStates states = store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(states.contains(flagCard(c.code)));
        const drill::CardState& state = states.at(flagCard(c.code));
        EXPECT_EQ(drill::isLearned(state.box), c.learned);
        EXPECT_EQ(state.box, c.box);
        EXPECT_EQ(state.lastAnswered, kMorning + std::chrono::seconds(c.answers.back().first));
    }
    EXPECT_FALSE(states.contains(flagCard("D"))) << "a stored state no answer leads to";
    EXPECT_FALSE(states.contains(flagCard("E"))) << "an answer of a time no clock of ours wrote";
    EXPECT_EQ(store.counts(SignalSet::Flags, AskMode::RecogniseFlag, 36), (ProgressCounts{33, 2, 1}));
    EXPECT_EQ(RawDatabase(file()).value("SELECT count(*) FROM answers").toInt(), id + 1) << "every answer is kept";
}

TEST_F(SchemaUpgradeTest, AFileThatCannotBeBroughtUpIsSetAsideUnchanged) {
    writeVersion1File(file(), {answerRow(1, 0, "flags", "flag", "A", true, 1), cardRow("flags", "flag", "A", 1)});
    {
        RawDatabase raw(file());
        raw.run("DROP TABLE cards");
        raw.run("PRAGMA journal_mode = DELETE");
    }
    const std::string original = readBytes(file());

    ProgressStore store(file(), fixedClock());
    ASSERT_TRUE(store.setAsideFile());
    EXPECT_EQ(store.setAsideFile()->reason, SetAsideReason::Damaged);
    EXPECT_TRUE(sameBytes(original, readBytes(store.setAsideFile()->keptAs)));
    EXPECT_TRUE(store.saving());
    EXPECT_TRUE(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).empty());
}

TEST_F(SchemaUpgradeTest, WhileAnotherProgramHoldsTheFileItIsReadUpToDateInMemory) {
    writeVersion1File(file(), {
                                  answerRow(1, 0, "general", "meaning", "AC", true, 3),
                                  answerRow(2, 1, "general", "meaning", "AC", true, 3),
                                  cardRow("general", "meaning", "AC", drill::kTopBox),
                              });
    RawDatabase other(file());
    other.run("BEGIN IMMEDIATE");

    ProgressStore store(file(), fixedClock(kMorning + 1h));
    EXPECT_TRUE(store.saving());
    EXPECT_TRUE(store.answersWaiting());
    const auto states = store.cardStates(SignalSet::General, AskMode::Meaning);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_FALSE(drill::isLearned(states.begin()->second.box)) << "the cards were not worked out afresh";
    EXPECT_EQ(store.lastChoice(), (drill::DrillChoice{SignalSet::General, AskMode::Meaning, 0}));

    drill::SessionRecord session = newSession(SignalSet::General, AskMode::Meaning);
    EXPECT_EQ(store.recordAnswer(answered({SignalSet::General, AskMode::Meaning, "AD"}, false, kMorning + 1h), session),
              Keeping::Pending);
    EXPECT_FALSE(session.number);
    EXPECT_EQ(store.writeWaiting(), Keeping::Pending);

    other.run("ROLLBACK");
    EXPECT_EQ(store.writeWaiting(), Keeping::Saved);
    EXPECT_FALSE(store.answersWaiting());
    EXPECT_TRUE(store.notices().empty());
    EXPECT_EQ(other.value("PRAGMA user_version").toInt(), kSchemaVersion);
    EXPECT_EQ(other.column("SELECT code || ' ' || session FROM answers ORDER BY id"),
              (std::vector<std::string>{"AC 3", "AC 3", "AD 4"}));
}

}  // namespace
}  // namespace mss::progress
