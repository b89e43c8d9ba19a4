// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlite_connection.h"

#include <QSqlError>
#include <QUrl>

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
    // The driver hands out extended codes; the low byte is the primary one.
    if (!isNumber) return {0, 0, error.text()};
    return {code & 0xFF, code, error.text()};
}

}  // namespace

SqliteConnection::SqliteConnection(QString name, Access access) : name_(std::move(name)), access_(access) {}

bool SqliteConnection::driverAvailable() { return QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")); }

QString SqliteConnection::uriOf(const std::filesystem::path& file, const QString& query) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(file, error);
    if (error) absolute = file;
    QUrl uri = QUrl::fromLocalFile(QString::fromStdString(absolute.string()));
    if (!query.isEmpty()) uri.setQuery(query);
    return uri.toString(QUrl::FullyEncoded);
}

std::unique_ptr<SqliteConnection> SqliteConnection::open(const std::filesystem::path& file, Access access,
                                                         SqliteFailure& failure) {
    if (!driverAvailable()) {
        failure = {0, 0, QStringLiteral("the Qt SQLite driver is not installed")};
        return nullptr;
    }
    std::unique_ptr<SqliteConnection> connection(new SqliteConnection(freshConnectionName(), access));
    connection->database_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection->name_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1;QSQLITE_OPEN_URI").arg(kBusyWaitMilliseconds);
    QString name;
    switch (access) {
        case Access::ReadOnly:
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
            name = uriOf(file, QStringLiteral("mode=ro"));
            break;
        case Access::Unchanging:
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
            name = uriOf(file, QStringLiteral("mode=ro&immutable=1"));
            break;
        case Access::ReadWrite: name = uriOf(file, {}); break;
        case Access::Memory: name = QStringLiteral(":memory:"); break;
    }
    connection->database_.setConnectOptions(options);
    connection->database_.setDatabaseName(name);
    if (!connection->database_.open()) {
        failure = failureOf(connection->database_.lastError());
        return nullptr;
    }
    return connection;
}

SqliteConnection::~SqliteConnection() {
    prepared_.clear();
    database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

void SqliteConnection::note(const QSqlError& error) { lastFailure_ = failureOf(error); }

QSqlQuery SqliteConnection::prepare(const QString& sql) {
    QSqlQuery query(database_);
    query.setForwardOnly(true);
    if (!query.prepare(sql)) note(query.lastError());
    return query;
}

QSqlQuery& SqliteConnection::prepared(const QString& sql) {
    auto known = prepared_.find(sql);
    if (known == prepared_.end()) known = prepared_.emplace(sql, prepare(sql)).first;
    return known->second;
}

bool SqliteConnection::run(QSqlQuery& query) {
    if (query.exec()) return true;
    note(query.lastError());
    return false;
}

bool SqliteConnection::run(const QString& sql, const QVariantList& values) {
    QSqlQuery query = prepare(sql);
    return run(query, values);
}

bool SqliteConnection::run(QSqlQuery& query, const QVariantList& values) {
    for (qsizetype i = 0; i < values.size(); ++i) query.bindValue(static_cast<int>(i), values[i]);
    return run(query);
}

bool SqliteConnection::run(const QString& sql) {
    QSqlQuery query(database_);
    if (query.exec(sql)) return true;
    note(query.lastError());
    return false;
}

bool SqliteConnection::readToEnd(const QSqlQuery& query) {
    if (!query.lastError().isValid()) return true;
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

}  // namespace mss::progress
