// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_test_support.h"

#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

#include "drill/leitner_boxes.h"

namespace mss::progress::testing {

asking::Clock fixedClock(asking::TimePoint time) {
    return [time] { return time; };
}

ProgressStore::CodesOfSet testCodes() {
    return [](asking::SignalSet set) {
        std::vector<std::string> codes;
        for (char c = 'A'; c <= 'Z'; ++c) {
            codes.emplace_back(1, c);
            if (set != asking::SignalSet::Flags)
                for (char d = '0'; d <= '9'; ++d) codes.push_back(std::string{c, d});
        }
        if (set == asking::SignalSet::Flags)
            for (char d = '0'; d <= '9'; ++d) codes.emplace_back(1, d);
        return codes;
    };
}

drill::SessionRecord newSession(asking::SignalSet set, asking::AskMode mode, char firstLetter) {
    return {drill::DrillChoice{set, mode, firstLetter}, std::nullopt};
}

drill::Answer answered(const drill::CardKey& card, bool correct, asking::TimePoint at,
                       const std::optional<drill::CardState>& before, const std::string& given) {
    return {card, given, correct, at, drill::afterAnswer(before, correct, at)};
}

drill::Answer answeredIntoBox(const drill::CardKey& card, int box, asking::TimePoint at) {
    return {card, card.code, true, at, drill::CardState{box, at + drill::delayOfBox(box), at}};
}

drill::CardKey flagCard(const std::string& symbol) {
    return {asking::SignalSet::Flags, asking::AskMode::RecogniseFlag, symbol};
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 engine(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes) byte = static_cast<char>(engine() & 0xFF);
    return bytes;
}

::testing::AssertionResult sameBytes(const std::string& expected, const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    const auto difference = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    return ::testing::AssertionFailure() << "expected " << expected.size() << " bytes, found " << actual.size()
                                         << ", first difference at byte " << (difference.first - expected.begin());
}

void writeVersion1File(const fs::path& file, const std::vector<QString>& statements) {
    RawDatabase raw(file);
    raw.run("PRAGMA journal_mode = WAL");
    raw.run("BEGIN");
    raw.run("CREATE TABLE answers (id INTEGER PRIMARY KEY, answered_at TEXT NOT NULL, card_set TEXT NOT NULL, "
            "mode TEXT NOT NULL, code TEXT NOT NULL, given TEXT NOT NULL, "
            "correct INTEGER NOT NULL CHECK (correct IN (0, 1)), session INTEGER NOT NULL)");
    raw.run("CREATE INDEX answers_by_session ON answers (session)");
    raw.run("CREATE INDEX answers_by_deck ON answers (card_set, mode, session)");
    raw.run("CREATE TABLE cards (card_set TEXT NOT NULL, mode TEXT NOT NULL, code TEXT NOT NULL, box INTEGER NOT NULL, "
            "due_at INTEGER NOT NULL, last_answered_at INTEGER NOT NULL, PRIMARY KEY (card_set, mode, code)) WITHOUT ROWID");
    raw.run("PRAGMA application_id = 1297298997");
    raw.run("PRAGMA user_version = 1");
    for (const QString& statement : statements) raw.run(statement);
    raw.run("COMMIT");
}

std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

RawDatabase::RawDatabase(const fs::path& file) {
    static int counter = 0;
    name_ = QStringLiteral("progress-test-%1").arg(++counter);
    database_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    database_.setDatabaseName(QString::fromStdString(file.string()));
    EXPECT_TRUE(database_.open()) << database_.lastError().text().toStdString();
}

RawDatabase::~RawDatabase() {
    database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

void RawDatabase::run(const QString& sql) {
    QSqlQuery query(database_);
    EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
}

bool RawDatabase::tryRun(const QString& sql) {
    QSqlQuery query(database_);
    return query.exec(sql);
}

QVariant RawDatabase::value(const QString& sql) {
    QSqlQuery query(database_);
    if (!query.exec(sql) || !query.next()) return {};
    return query.value(0);
}

std::vector<std::string> RawDatabase::column(const QString& sql) {
    QSqlQuery query(database_);
    std::vector<std::string> values;
    EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
    while (query.next()) values.push_back(query.value(0).toString().toStdString());
    return values;
}

}  // namespace mss::progress::testing
