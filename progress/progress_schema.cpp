// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_schema.h"

#include <QStringList>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <span>

#include "card_replay.h"
#include "transaction.h"

namespace mss::progress {

namespace {

bool runAll(SqliteConnection& connection, std::span<const QString> statements) {
    return std::all_of(statements.begin(), statements.end(),
                       [&connection](const QString& statement) { return connection.run(statement); });
}

// Version 1: answers and the cards' states.
bool createFirstTables(SqliteConnection& connection) {
    const QString statements[] = {
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
    };
    return runAll(connection, statements);
}

// Version 2: sessions numbered by the file, with the first letter drilled;
// the answers refer to them. Version 1 numbered sessions in the program, so
// each number found becomes a session of its own (the set and mode of its
// first answer, begun at that answer); the next number is above them all.
// The cards are worked out afresh from the answers: the rule that moved them
// up in version 1 let a card answered in quick sessions read as learned.
bool addSessions(SqliteConnection& connection) {
    const QString statements[] = {
        QStringLiteral("CREATE TABLE sessions ("
                       " id INTEGER PRIMARY KEY,"
                       " card_set TEXT NOT NULL,"
                       " mode TEXT NOT NULL,"
                       " first_letter TEXT NOT NULL,"
                       " started_at TEXT NOT NULL)"),
        QStringLiteral("INSERT INTO sessions (id, card_set, mode, first_letter, started_at)"
                       " SELECT session, card_set, mode, '', answered_at FROM"
                       " (SELECT session, card_set, mode, answered_at, min(id) FROM answers"
                       "  WHERE typeof(session) = 'integer' AND session BETWEEN 1 AND %1 GROUP BY session)")
            .arg(kLastSession),
        QStringLiteral("CREATE TABLE answers_2 ("
                       " id INTEGER PRIMARY KEY,"
                       " answered_at TEXT NOT NULL,"
                       " card_set TEXT NOT NULL,"
                       " mode TEXT NOT NULL,"
                       " code TEXT NOT NULL,"
                       " given TEXT NOT NULL,"
                       " correct INTEGER NOT NULL CHECK (correct IN (0, 1)),"
                       " session INTEGER NOT NULL REFERENCES sessions (id))"),
        QStringLiteral("INSERT INTO answers_2 (id, answered_at, card_set, mode, code, given, correct, session)"
                       " SELECT id, answered_at, card_set, mode, code, given, correct, session FROM answers"),
        QStringLiteral("DROP TABLE answers"),
        QStringLiteral("ALTER TABLE answers_2 RENAME TO answers"),
        QStringLiteral("CREATE INDEX answers_by_session ON answers (session)"),
        QStringLiteral("CREATE INDEX answers_by_deck ON answers (card_set, mode, session)"),
    };
    return runAll(connection, statements) && rebuildCardsFromAnswers(connection);
}

// Version 3: the exam's tickets and their answers, apart from the drill's:
// a ticket never moves a card.
bool addTickets(SqliteConnection& connection) {
    const QString statements[] = {
        QStringLiteral("CREATE TABLE tickets ("
                       " id INTEGER PRIMARY KEY,"
                       " number INTEGER NOT NULL,"
                       " scope TEXT NOT NULL,"
                       " length INTEGER NOT NULL,"
                       " started_at TEXT NOT NULL,"
                       " limit_minutes INTEGER NOT NULL,"
                       " ended_at TEXT,"
                       " right_answers INTEGER,"
                       " mistakes INTEGER,"
                       " gross_errors INTEGER,"
                       " passed INTEGER CHECK (passed IN (0, 1)),"
                       " timed_out INTEGER CHECK (timed_out IN (0, 1)))"),
        QStringLiteral("CREATE TABLE ticket_answers ("
                       " ticket INTEGER NOT NULL REFERENCES tickets (id),"
                       " place INTEGER NOT NULL,"
                       " task TEXT NOT NULL,"
                       " asked TEXT NOT NULL,"
                       " given TEXT NOT NULL,"
                       " correct INTEGER NOT NULL CHECK (correct IN (0, 1)),"
                       " PRIMARY KEY (ticket, place)) WITHOUT ROWID"),
    };
    return runAll(connection, statements);
}

// Version 4: what a ticket left unfinished needs to be taken up again — the
// time spent on it and the flags of each answer put up — and the draw it was
// drawn by (exam/ticket_draw.h). Every ticket kept before was drawn by the
// first draw; the time spent on it is not known and counts as none.
bool addWhatResumesATicket(SqliteConnection& connection) {
    const QString statements[] = {
        QStringLiteral("ALTER TABLE tickets ADD COLUMN draw INTEGER NOT NULL DEFAULT 1"),
        QStringLiteral("ALTER TABLE tickets ADD COLUMN seconds_used INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral("ALTER TABLE ticket_answers ADD COLUMN flags TEXT NOT NULL DEFAULT ''"),
    };
    return runAll(connection, statements);
}

struct SchemaStep {
    int version;  // the version the step leads to, from the one before
    bool (*take)(SqliteConnection&);
};

// A later version adds its step here and raises kSchemaVersion.
constexpr SchemaStep kSteps[] = {
    {1, createFirstTables},
    {2, addSessions},
    {3, addTickets},
    {4, addWhatResumesATicket},
};
static_assert(std::size(kSteps) == kSchemaVersion && kSteps[kSchemaVersion - 1].version == kSchemaVersion);

QString columnCheck(const TableLayout& table) {
    const QString key = *table.key ? QStringLiteral("%1, ").arg(QLatin1String(table.key)) : QString();
    return QStringLiteral("SELECT %1%2 FROM %3 LIMIT 0")
        .arg(key, QLatin1String(table.columns), QLatin1String(table.name));
}

FileVerdict failed(const SqliteConnection& connection) {
    const SqliteFailure& failure = connection.lastFailure();
    return {failure.damaged() ? FileVerdict::Kind::Damaged : FileVerdict::Kind::Unreadable, 0, failure};
}

}  // namespace

QString insertStatement(const TableLayout& table, const char* how) {
    const auto count = QLatin1String(table.columns).count(QLatin1Char(',')) + 1;
    QStringList places(count, QStringLiteral("?"));
    return QStringLiteral("INSERT %1 INTO %2 (%3) VALUES (%4)")
        .arg(QLatin1String(how), QLatin1String(table.name), QLatin1String(table.columns), places.join(u", "));
}

bool lacksSqliteHeader(const std::filesystem::path& file) {
    static constexpr char kMagic[] = "SQLite format 3";  // with its closing zero byte: 16 bytes
    std::ifstream in(file, std::ios::binary);
    char start[sizeof kMagic] = {};
    in.read(start, sizeof start);
    if (in.gcount() == 0) return false;  // an empty file is a blank database
    return in.gcount() != static_cast<std::streamsize>(sizeof start) ||
           !std::equal(start, start + sizeof start, kMagic);
}

namespace {

FileVerdict verdictOf(SqliteConnection& connection) {
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
    // Every column written, so that a file of ours whose tables were changed
    // by hand counts as damaged rather than failing later.
    if (fileVersion == kSchemaVersion)
        for (const TableLayout& table : {kSessionsTable, kAnswersTable, kCardsTable, kTicketsTable, kTicketAnswersTable})
            if (!connection.run(columnCheck(table))) {
                // "no such table" or "no such column" is SQLite's general error.
                if (connection.lastFailure().code == sqlite_code::kError)
                    return {FileVerdict::Kind::Damaged, fileVersion, connection.lastFailure()};
                return failed(connection);
            }
    return {FileVerdict::Kind::Ours, fileVersion, {}};
}

}  // namespace

FileVerdict inspect(SqliteConnection& connection) {
    // One read transaction for every look: another program creating the
    // file commits its tables and its marks together, and they are seen
    // together or not at all (read one by one, a file half seen could pass
    // for another program's). BEGIN takes no lock until the first read.
    const Transaction reading(connection, Transaction::Kind::Read);  // nothing is written: rolled back
    if (!reading.begun()) return failed(connection);
    return verdictOf(connection);
}

bool configureFileConnection(SqliteConnection& connection) {
    // The journal goes into a -wal file beside the database: a commit is
    // appended there, and an interrupted write never touches what was
    // committed before. Readers go on while another program writes.
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

Migration migrate(SqliteConnection& connection, int from, int to) {
    Transaction upgrade(connection);
    if (!upgrade.begun()) return Migration::Failed;
    const auto version = connection.value(QStringLiteral("PRAGMA user_version"));
    const auto objects = connection.value(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (!version || !objects) return Migration::Failed;
    if (version->toInt() != from || (from == 0 && objects->toInt() != 0)) return Migration::Moved;
    bool done = true;
    for (const SchemaStep& step : kSteps)
        if (step.version > from && step.version <= to && !(done = step.take(connection))) break;
    done = done && connection.run(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId)) &&
           connection.run(QStringLiteral("PRAGMA user_version = %1").arg(to)) && upgrade.commit();
    return done ? Migration::Done : Migration::Failed;
}

}  // namespace mss::progress
