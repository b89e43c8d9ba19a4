// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the progress tests share: a fixed morning, answers made to measure,
// the bytes of files, and a plain look into an SQLite file that goes around
// the store.

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drill/drill_session.h"
#include "drill/progress_keeper.h"
#include "progress/progress_store.h"

namespace mss::progress::testing {

namespace fs = std::filesystem;

// 2026-12-10 14:03:07 UTC.
inline const asking::TimePoint kMorning{std::chrono::seconds{1'796'911'387}};
inline constexpr const char* kMorningStamp = "20261210T140307Z";

asking::Clock fixedClock(asking::TimePoint time = kMorning);

// A clock the test moves by hand; copies share the time.
class ManualClock {
public:
    explicit ManualClock(asking::TimePoint time = kMorning) : now_(std::make_shared<asking::TimePoint>(time)) {}
    asking::Clock clock() const {
        return [now = now_] { return *now; };
    }
    asking::TimePoint now() const { return *now_; }
    void set(asking::TimePoint time) { *now_ = time; }
    void advance(std::chrono::seconds by) { *now_ += by; }

private:
    std::shared_ptr<asking::TimePoint> now_;
};

// The codes the tests' drill knows: the 36 flags ("A".."Z", "0".."9") and,
// for every other set, "A".."Z" with and without a digit.
ProgressStore::CodesOfSet testCodes();

// A new session of a set and mode, as the drill starts one.
drill::SessionRecord newSession(asking::SignalSet set = asking::SignalSet::Flags,
                                asking::AskMode mode = asking::AskMode::RecogniseFlag, char firstLetter = 0);

// An answer given at `at`, with the state the Leitner boxes give the card.
drill::Answer answered(const drill::CardKey& card, bool correct, asking::TimePoint at,
                       const std::optional<drill::CardState>& before = std::nullopt, const std::string& given = "?");
// An answer that leaves the card in `box`.
drill::Answer answeredIntoBox(const drill::CardKey& card, int box, asking::TimePoint at);

drill::CardKey flagCard(const std::string& symbol);

std::string readBytes(const fs::path& file);
void writeBytes(const fs::path& file, const std::string& bytes);
std::string randomBytes(std::size_t count, unsigned seed);
// Equal bytes; otherwise the sizes and the first difference, not the bytes.
::testing::AssertionResult sameBytes(const std::string& expected, const std::string& actual);

// A progress file as the program wrote it in version 1 of the layout (before
// sessions had a table of their own), holding what `statements` insert.
void writeVersion1File(const fs::path& file, const std::vector<QString>& statements = {});

// Names of the entries of a folder, sorted.
std::vector<std::string> entriesOf(const fs::path& folder);

// An SQLite file opened directly, for arranging and checking what the store
// wrote.
class RawDatabase {
public:
    explicit RawDatabase(const fs::path& file);
    ~RawDatabase();
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    // Runs a statement; fails the test when it does not run.
    void run(const QString& sql);
    // Runs a statement that may be refused (a constraint); whether it ran.
    bool tryRun(const QString& sql);
    // The first column of the first row, or an invalid value.
    QVariant value(const QString& sql);
    // The first column of every row, as text.
    std::vector<std::string> column(const QString& sql);

private:
    QString name_;
    QSqlDatabase database_;
};

}  // namespace mss::progress::testing
