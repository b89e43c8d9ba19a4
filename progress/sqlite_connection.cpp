// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlite_connection.h"

#include <QSqlDriver>
#include <QSqlError>

#include <atomic>

namespace mss::progress {

namespace {

QString freshConnectionName() {
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("mss65-progress-%1").arg(++counter);
}

SqliteFailure failureOf(const QSqlError& error) {
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber);
    // The driver may hand out extended codes; the low byte is the primary one.
    return {isNumber ? (code & 0xFF) : 0, error.text()};
}

}  // namespace

SqliteConnection::SqliteConnection(QString name, Access access) : name_(std::move(name)), access_(access) {}

bool SqliteConnection::driverAvailable() { return QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")); }

std::unique_ptr<SqliteConnection> SqliteConnection::open(const std::filesystem::path& file, Access access,
                                                         SqliteFailure& failure) {
    if (!driverAvailable()) {
        failure = {0, QStringLiteral("the Qt SQLite driver is not installed")};
        return nullptr;
    }
    std::unique_ptr<SqliteConnection> connection(new SqliteConnection(freshConnectionName(), access));
    connection->database_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection->name_);
    // Another copy of the program writing at the same moment is waited for.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
    switch (access) {
        case Access::ReadOnly: options += QStringLiteral(";QSQLITE_OPEN_READONLY"); break;
        case Access::ReadWrite: break;
        // URI names let the memory database attach a file strictly read-only.
        case Access::Memory: options += QStringLiteral(";QSQLITE_OPEN_URI"); break;
    }
    connection->database_.setConnectOptions(options);
    connection->database_.setDatabaseName(access == Access::Memory ? QStringLiteral(":memory:")
                                                                   : QString::fromStdString(file.string()));
    if (!connection->database_.open()) {
        failure = failureOf(connection->database_.lastError());
        return nullptr;
    }
    return connection;
}

SqliteConnection::~SqliteConnection() {
    insertAnswer_.reset();
    saveCardState_.reset();
    database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

void SqliteConnection::note(const QSqlError& error) { lastFailure_ = failureOf(error); }

void* SqliteConnection::nativeHandle() const {
    // Qt's SQLite driver hands out its handle as a QVariant of type "sqlite3*".
    const QVariant handle = database_.driver() ? database_.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<void* const*>(handle.constData());
}

QSqlQuery SqliteConnection::prepare(const QString& sql) {
    QSqlQuery query(database_);
    query.setForwardOnly(true);
    if (!query.prepare(sql)) note(query.lastError());
    return query;
}

bool SqliteConnection::run(QSqlQuery& query) {
    if (query.exec()) return true;
    note(query.lastError());
    return false;
}

bool SqliteConnection::run(const QString& sql) {
    QSqlQuery query(database_);
    if (query.exec(sql)) return true;
    note(query.lastError());
    return false;
}

void SqliteConnection::rollback() {
    QSqlQuery query(database_);
    query.exec(QStringLiteral("ROLLBACK"));
}

std::optional<QVariant> SqliteConnection::value(const QString& sql) {
    QSqlQuery query(database_);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        note(query.lastError());
        return std::nullopt;
    }
    if (!query.next()) {
        if (query.lastError().isValid()) note(query.lastError());
        return std::nullopt;
    }
    return query.value(0);
}

QSqlQuery& SqliteConnection::insertAnswer() {
    if (!insertAnswer_)
        insertAnswer_ = prepare(QStringLiteral(
            "INSERT INTO answers (answered_at, card_set, mode, code, given, correct, session) "
            "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    return *insertAnswer_;
}

QSqlQuery& SqliteConnection::saveCardState() {
    if (!saveCardState_)
        saveCardState_ = prepare(QStringLiteral(
            "INSERT INTO cards (card_set, mode, code, box, due_at, last_answered_at) VALUES (?, ?, ?, ?, ?, ?) "
            "ON CONFLICT (card_set, mode, code) DO UPDATE SET "
            "box = excluded.box, due_at = excluded.due_at, last_answered_at = excluded.last_answered_at"));
    return *saveCardState_;
}

}  // namespace mss::progress
