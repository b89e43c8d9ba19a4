// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_schema.h"

#include <QStringList>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace mss::progress {

namespace {

const QStringList& schemaStatements() {
    static const QStringList statements = {
        QStringLiteral("CREATE TABLE answers ("
                       " id INTEGER PRIMARY KEY,"
                       " answered_at TEXT NOT NULL,"
                       " card_set TEXT NOT NULL,"
                       " mode TEXT NOT NULL,"
                       " code TEXT NOT NULL,"
                       " given TEXT NOT NULL,"
                       " correct INTEGER NOT NULL CHECK (correct IN (0, 1)),"
                       " session INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX answers_by_session ON answers (session)"),
        QStringLiteral("CREATE INDEX answers_by_deck ON answers (card_set, mode, session)"),
        QStringLiteral("CREATE TABLE cards ("
                       " card_set TEXT NOT NULL,"
                       " mode TEXT NOT NULL,"
                       " code TEXT NOT NULL,"
                       " box INTEGER NOT NULL,"
                       " due_at INTEGER NOT NULL,"
                       " last_answered_at INTEGER NOT NULL,"
                       " PRIMARY KEY (card_set, mode, code)) WITHOUT ROWID"),
        QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId),
        QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion),
    };
    return statements;
}

// Every column the program reads, so that a file of ours whose tables were
// changed by hand counts as damaged rather than failing later.
const QStringList& columnChecks() {
    static const QStringList checks = {
        QStringLiteral("SELECT id, answered_at, card_set, mode, code, given, correct, session FROM answers LIMIT 0"),
        QStringLiteral("SELECT card_set, mode, code, box, due_at, last_answered_at FROM cards LIMIT 0"),
    };
    return checks;
}

FileVerdict failed(const SqliteConnection& connection) {
    const SqliteFailure& failure = connection.lastFailure();
    return {failure.damaged() ? FileVerdict::Kind::Damaged : FileVerdict::Kind::Unreadable, 0, failure};
}

}  // namespace

bool lacksSqliteHeader(const std::filesystem::path& file) {
    static constexpr char kMagic[] = "SQLite format 3";  // with its closing zero byte: 16 bytes
    std::ifstream in(file, std::ios::binary);
    char start[sizeof kMagic] = {};
    in.read(start, sizeof start);
    if (in.gcount() == 0) return false;  // an empty file is a blank database
    return in.gcount() != static_cast<std::streamsize>(sizeof start) || !std::equal(start, start + sizeof start, kMagic);
}

FileVerdict inspect(SqliteConnection& connection) {
    const auto applicationId = connection.value(QStringLiteral("PRAGMA application_id"));
    if (!applicationId) return failed(connection);
    const auto version = connection.value(QStringLiteral("PRAGMA user_version"));
    if (!version) return failed(connection);
    const auto objects = connection.value(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (!objects) return failed(connection);

    const int id = applicationId->toInt();
    const int fileVersion = version->toInt();
    if (id == 0 && fileVersion == 0 && objects->toInt() == 0) return {FileVerdict::Kind::Blank, 0, {}};
    if (id != kApplicationId) return {FileVerdict::Kind::NotOurs, fileVersion, {}};
    if (fileVersion > kSchemaVersion) return {FileVerdict::Kind::NewerVersion, fileVersion, {}};
    if (fileVersion < 1) return {FileVerdict::Kind::Damaged, fileVersion, {}};

    // quick_check reads every page: a cut or overwritten file shows here
    // rather than in the middle of a drill.
    const auto check = connection.value(QStringLiteral("PRAGMA quick_check"));
    if (!check) return failed(connection);
    if (check->toString() != QStringLiteral("ok")) return {FileVerdict::Kind::Damaged, fileVersion, {}};
    for (const QString& columns : columnChecks())
        if (!connection.run(columns)) {
            // "no such table" or "no such column" is SQLite's general error.
            if (connection.lastFailure().code == sqlite_code::kError)
                return {FileVerdict::Kind::Damaged, fileVersion, connection.lastFailure()};
            return failed(connection);
        }
    return {FileVerdict::Kind::Ours, fileVersion, {}};
}

bool configureFileConnection(SqliteConnection& connection) {
    // The journal goes into a -wal file beside the database: a commit is
    // appended there, and an interrupted write never touches what was
    // committed before.
    //
    // synchronous=NORMAL: in WAL mode COMMIT has handed the transaction to the
    // operating system (write(2) into the -wal file) before it returns; the
    // kernel keeps those pages whatever becomes of the process, so SIGKILL or
    // a crash of the program loses no committed answer. Only a power cut or a
    // crash of the whole system can lose the last answers, never the file's
    // soundness. FULL would add an fsync to each answer (milliseconds on a
    // slow disk) to cover that too, which a drill does not need.
    return connection.run(QStringLiteral("PRAGMA journal_mode = WAL")) &&
           connection.run(QStringLiteral("PRAGMA synchronous = NORMAL"));
}

bool createSchema(SqliteConnection& connection) {
    if (!connection.run(QStringLiteral("BEGIN IMMEDIATE"))) return false;
    for (const QString& statement : schemaStatements())
        if (!connection.run(statement)) {
            connection.rollback();
            return false;
        }
    return connection.run(QStringLiteral("COMMIT"));
}

}  // namespace mss::progress
