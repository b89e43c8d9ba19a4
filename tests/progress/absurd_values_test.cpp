// SPDX-License-Identifier: GPL-3.0-or-later
// Values no program of ours writes, put into the file by hand or by damage
// that SQLite's check does not see: each such row is passed over, the rest
// of the file is read, and nothing overflows (the sanitizer build runs
// these too).

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

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

const QString kDue = QString::number(secondsSinceEpoch(kMorning + 24h));
const QString kLast = QString::number(secondsSinceEpoch(kMorning));

class AbsurdValuesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        // A sound file to start from: one session of the flags.
        ProgressStore store(file());
        drill::SessionRecord session = newSession();
        store.recordAnswer(answered(flagCard("A"), true, kMorning), session);
    }
    fs::path file() const { return fs::path(temp_.path().toStdString()) / "progress.sqlite3"; }

    QTemporaryDir temp_;
};

TEST_F(AbsurdValuesTest, CardsOutOfRangeArePassedOverAndTheRestIsRead) {
    struct Row {
        const char* name;
        QString code, box, due, last;
        bool read;
    };
    const Row rows[] = {
        {"a sound card", "B", "2", kDue, kLast, true},
        {"due at the largest 64-bit number", "C", "2", "9223372036854775807", kLast, false},
        {"due at the smallest 64-bit number", "D", "2", "-9223372036854775808", kLast, false},
        {"due at 1.5e300", "E", "2", "1.5e300", kLast, false},
        {"due as text", "F", "2", "'soon'", kLast, false},
        {"due as bytes", "G", "2", "x'00ff'", kLast, false},
        {"due in 1970", "H", "2", "0", kLast, false},
        {"due in 2200", "I", "2", QString::number(kEndSecond), kLast, false},
        {"last answered in 2300", "J", "2", kDue, "10413792000", false},
        {"box 99", "K", "99", kDue, kLast, false},
        {"box -1", "L", "-1", kDue, kLast, false},
        {"box 2.5", "M", "2.5", kDue, kLast, false},
        {"box of the largest 64-bit number", "N", "9223372036854775807", kDue, kLast, false},
        {"a code the drill does not know", "Ж", "2", kDue, kLast, false},
        {"a general section's code among the flags", "AE", "2", kDue, kLast, false},
        {"due in the first second of 2000", "O", "1", QString::number(kEarliestSecond), kLast, true},
    };
    {
        RawDatabase raw(file());
        for (const Row& row : rows)
            raw.run(QStringLiteral("INSERT INTO cards VALUES ('flags', 'flag', '%1', %2, %3, %4)")
                        .arg(row.code, row.box, row.due, row.last));
    }
    ProgressStore store(file(), fixedClock(kMorning + 1h), testCodes());
    const drill::CardStates states = store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag);
    int read = 1;  // "A", from the sound start
    for (const Row& row : rows) {
        const drill::CardKey key = flagCard(row.code.toStdString());
        EXPECT_EQ(states.contains(key), row.read) << row.name;
        read += row.read ? 1 : 0;
    }
    EXPECT_EQ(static_cast<int>(states.size()), read);
    EXPECT_EQ(states.at(flagCard("B")), (drill::CardState{2, kMorning + 24h, kMorning}));
    EXPECT_EQ(store.counts(SignalSet::Flags, AskMode::RecogniseFlag, 36), (ProgressCounts{36 - read, read, 0}));
    EXPECT_TRUE(store.saving());
    EXPECT_FALSE(store.setAsideFile());
}

TEST_F(AbsurdValuesTest, SessionsOutOfRangeArePassedOverAndNewOnesNumberedSoundly) {
    {
        RawDatabase raw(file());
        // Answers of sessions no program of ours numbers, and sessions with
        // such numbers, a set it does not know or a start no clock wrote.
        for (const char* session : {"2147483647", "9223372036854775807", "0", "-1", "1.5e300", "'two'"})
            raw.run(QStringLiteral("INSERT INTO answers (answered_at, card_set, mode, code, given, correct, session) "
                                   "VALUES ('2026-12-10T15:00:00Z', 'flags', 'flag', 'B', 'B', 1, %1)")
                        .arg(QLatin1String(session)));
        raw.run("INSERT INTO sessions VALUES (9223372036854775807, 'flags', 'flag', '', '2026-12-10T15:00:00Z')");
        raw.run("INSERT INTO sessions VALUES (2147483647, 'flags', 'flag', '', '2026-12-10T15:00:00Z')");
        raw.run("INSERT INTO sessions VALUES (5, 'ships', 'flag', '', '2026-12-10T15:00:00Z')");
        raw.run("INSERT INTO sessions VALUES (6, 'flags', 'flag', 'ab', 'yesterday')");
        raw.run("INSERT INTO sessions VALUES (7, 'flags', 'flag', 'ab', '2026-12-10T16:00:00Z')");
        raw.run("INSERT INTO answers (answered_at, card_set, mode, code, given, correct, session) "
                "VALUES ('2026-12-10T16:00:00Z', 'flags', 'flag', 'C', 'C', 0, 7)");
        raw.run("INSERT INTO answers (answered_at, card_set, mode, code, given, correct, session) "
                "VALUES ('2026-12-10T16:00:01Z', 'ships', 'flag', 'C', 'C', 0, 5)");
    }
    ProgressStore store(file(), fixedClock(kMorning + 3h), testCodes());
    const RecentAccuracy accuracy = store.recentAccuracy();
    std::vector<int> numbers;
    for (const SessionScore& score : accuracy.sessions) numbers.push_back(score.session);
    EXPECT_EQ(numbers, (std::vector<int>{1, 5, 7}));
    const std::vector<SessionSummary> sessions = store.recentSessions();
    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[1].number, 7);
    EXPECT_EQ(sessions[1].choice.firstLetter, 0) << "a first letter of two letters";
    EXPECT_FALSE(store.lastChoice()) << "the latest answer's session is of a set this program does not know";

    drill::SessionRecord session = newSession(SignalSet::Flags, AskMode::Meaning);
    EXPECT_EQ(store.recordAnswer(answered({SignalSet::Flags, AskMode::Meaning, "D"}, true, kMorning + 3h), session),
              Keeping::Saved);
    EXPECT_EQ(session.number, 8) << "numbered above the sound numbers only";
    EXPECT_EQ(store.lastChoice(), session.choice);
    EXPECT_EQ(store.recentSessions().back().number, 8);
}

// Random rows of values that are valid and values that are not, in every
// column, read through every call; the store must read what it can and
// nothing it returns may be out of range.
TEST_F(AbsurdValuesTest, RandomRowsNeverYieldValuesOutOfRange) {
    unsigned seed = 19065;
    if (const char* given = std::getenv("MSS65_SEED")) seed = static_cast<unsigned>(std::strtoul(given, nullptr, 10));
    SCOPED_TRACE("seed " + std::to_string(seed) + " (MSS65_SEED=" + std::to_string(seed) + " repeats this run)");
    std::mt19937 random(seed);
    const std::vector<QString> values = {
        "0", "1", "-1", "6", "7", "2147483646", "2147483647", "2147483648", "9223372036854775807",
        "-9223372036854775808", "1.5e300", "-1e300", "0.5", "''", "'A'", "'Z'", "'AE'", "'Ж'", "'flags'", "'flag'",
        "'general'", "'meaning'", "'2026-12-10T14:03:07Z'", "'9999-99-99T99:99:99Z'", "'2026-12-10T14:03:07Z '",
        "x'00ff'", "NULL", kDue, kLast, QString::number(kEarliestSecond - 1), QString::number(kEndSecond),
    };
    const auto any = [&] { return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)]; };
    const auto pick = [&](const QString& usual) { return random() % 3 == 0 ? any() : usual; };
    {
        RawDatabase raw(file());
        raw.run("BEGIN");
        for (int i = 0; i < 300; ++i) {
            raw.tryRun(QStringLiteral("INSERT INTO cards VALUES (%1, %2, %3, %4, %5, %6)")
                           .arg(pick("'flags'"), pick("'flag'"), pick(QStringLiteral("'%1'").arg(QChar('A' + i % 26))),
                                pick("3"), pick(kDue), pick(kLast)));
            raw.tryRun(QStringLiteral("INSERT INTO sessions VALUES (%1, %2, %3, %4, %5)")
                           .arg(pick(QString::number(i + 2)), pick("'flags'"), pick("'flag'"), pick("''"),
                                pick("'2026-12-10T14:03:07Z'")));
            raw.tryRun(QStringLiteral("INSERT INTO answers (answered_at, card_set, mode, code, given, correct, session) "
                                      "VALUES (%1, %2, %3, %4, %5, %6, %7)")
                           .arg(pick("'2026-12-10T14:03:07Z'"), pick("'flags'"), pick("'flag'"),
                                pick(QStringLiteral("'%1'").arg(QChar('A' + i % 26))), pick("'?'"), pick("0"),
                                pick(QString::number(i + 2))));
        }
        raw.run("COMMIT");
        ASSERT_GT(raw.value("SELECT count(*) FROM cards").toInt(), 100);
        ASSERT_GT(raw.value("SELECT count(*) FROM answers").toInt(), 100);
    }
    ProgressStore store(file(), fixedClock(kMorning + 1h), testCodes());
    const auto inRange = [](asking::TimePoint time) {
        return isSaneSecond(secondsSinceEpoch(time)) || time == kMorning + 1h;
    };
    for (SignalSet set : asking::kAllSets)
        for (AskMode mode : asking::kAllModes) {
            for (const auto& [key, state] : store.cardStates(set, mode)) {
                EXPECT_TRUE(state.box >= drill::kFirstBox && state.box <= drill::kTopBox) << describe(key);
                EXPECT_TRUE(inRange(state.due) && inRange(state.lastAnswered)) << describe(key);
                EXPECT_LE(state.due, kMorning + 1h + std::chrono::days{365}) << describe(key);
            }
            const ProgressCounts counts = store.counts(set, mode, 36);
            EXPECT_TRUE(counts.fresh >= 0 && counts.learning >= 0 && counts.learned >= 0);
            EXPECT_LE(counts.learning + counts.learned, 36 + 26 * 10 + 26);
            for (const SessionScore& score : store.recentAccuracy(set, mode).sessions)
                EXPECT_TRUE(score.session >= 1 && score.session <= kLastSession && score.right <= score.answers);
            for (const HardSignal& hard : store.hardestSignals(set, mode, 50))
                EXPECT_TRUE(hard.misses >= 1 && hard.misses <= hard.asked && hard.asked <= kHardWindow) << hard.code;
        }
    for (const SessionSummary& session : store.recentSessions(1000))
        EXPECT_TRUE(session.number >= 1 && session.number <= kLastSession && session.right <= session.asked &&
                    isSaneSecond(secondsSinceEpoch(session.startedAt)));
    store.lastChoice();
    drill::SessionRecord session = newSession();
    EXPECT_EQ(store.recordAnswer(answered(flagCard("Q"), true, kMorning + 1h), session), Keeping::Saved);
    ASSERT_TRUE(session.number);
    EXPECT_TRUE(*session.number >= 1 && *session.number <= kLastSession);
    EXPECT_TRUE(store.saving()) << store.notSavingMessage();
}

}  // namespace
}  // namespace mss::progress
