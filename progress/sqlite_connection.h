// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One private connection to an SQLite database through Qt SQL, closed and
// removed from Qt's list of connections when the object goes.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <filesystem>
#include <memory>
#include <optional>

namespace mss::progress {

// SQLite's primary result codes that the store tells apart.
namespace sqlite_code {
inline constexpr int kError = 1;
inline constexpr int kPerm = 3;
inline constexpr int kBusy = 5;
inline constexpr int kLocked = 6;
inline constexpr int kReadOnly = 8;
inline constexpr int kIoError = 10;
inline constexpr int kCorrupt = 11;
inline constexpr int kFull = 13;
inline constexpr int kCantOpen = 14;
inline constexpr int kNotADatabase = 26;
}  // namespace sqlite_code

struct SqliteFailure {
    int code = 0;  // SQLite's primary result code; 0 for none known
    QString text;  // SQLite's own words, for logs and tests

    bool damaged() const { return code == sqlite_code::kCorrupt || code == sqlite_code::kNotADatabase; }
};

class SqliteConnection {
public:
    enum class Access { ReadOnly, ReadWrite, Memory };

    static bool driverAvailable();

    // Empty when the database cannot be opened; `failure` says why.
    static std::unique_ptr<SqliteConnection> open(const std::filesystem::path& file, Access access,
                                                  SqliteFailure& failure);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    bool inMemory() const { return access_ == Access::Memory; }

    // A query on this connection, prepared from `sql`; an inactive query
    // (and a noted failure) when it does not prepare.
    QSqlQuery prepare(const QString& sql);
    // Runs a prepared query, noting a failure.
    bool run(QSqlQuery& query);
    // Prepares and runs one statement.
    bool run(const QString& sql);
    // Ends the open transaction, keeping the failure that made it necessary.
    void rollback();
    // The first column of the first row of `sql`; empty on failure or no row.
    std::optional<QVariant> value(const QString& sql);

    // The statements of recording an answer, prepared once per connection.
    QSqlQuery& insertAnswer();
    QSqlQuery& saveCardState();

    const SqliteFailure& lastFailure() const { return lastFailure_; }
    void note(const QSqlError& error);
    void noteFailure(int code, const QString& text) { lastFailure_ = {code, text}; }

    // SQLite's own handle of the connection (a sqlite3*), for the few reads
    // that go around Qt; null if the driver does not give it.
    void* nativeHandle() const;

private:
    SqliteConnection(QString name, Access access);

    QString name_;
    Access access_;
    QSqlDatabase database_;
    SqliteFailure lastFailure_;
    std::optional<QSqlQuery> insertAnswer_;
    std::optional<QSqlQuery> saveCardState_;
};

}  // namespace mss::progress
