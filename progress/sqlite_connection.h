// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One private connection to an SQLite database through Qt SQL, closed and
// removed from Qt's list of connections when the object goes.
//
// A file is always opened by a URI that this class builds from its absolute
// path, so every byte of the name is taken literally: a progress file named
// "file:p.sqlite3?mode=memory" is a file of that name, never SQLite's
// instructions.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <filesystem>
#include <map>
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
    int code = 0;      // SQLite's primary result code; 0 for none known
    int extended = 0;  // its extended code, as the driver gives it
    QString text;      // SQLite's own words, for logs and tests

    bool damaged() const { return code == sqlite_code::kCorrupt || code == sqlite_code::kNotADatabase; }
    // Another connection holds the file; the same statement may succeed later.
    bool busy() const { return code == sqlite_code::kBusy || code == sqlite_code::kLocked; }
};

class SqliteConnection {
public:
    enum class Access {
        ReadOnly,
        // Read-only, for a file nobody can change (on a read-only location):
        // SQLite then needs neither locks nor a shared-memory file beside it.
        Unchanging,
        ReadWrite,  // created when missing
        Memory,     // a database of its own in memory; `file` is not used
    };

    // How long a statement waits for another connection that holds the file
    // before it fails as busy: short, since the caller is the window.
    static constexpr int kBusyWaitMilliseconds = 50;

    static bool driverAvailable();

    // Empty when the database cannot be opened; `failure` says why.
    static std::unique_ptr<SqliteConnection> open(const std::filesystem::path& file, Access access,
                                                  SqliteFailure& failure);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    bool inMemory() const { return access_ == Access::Memory; }

    // The URI this class opens `file` by, with `query` ("mode=ro") added.
    static QString uriOf(const std::filesystem::path& file, const QString& query);

    // A query on this connection, prepared from `sql`; an inactive query
    // (and a noted failure) when it does not prepare.
    QSqlQuery prepare(const QString& sql);
    // The same, prepared once per connection and kept for the next call,
    // for statements that return no rows (bind by place, bindValue(0, …)).
    QSqlQuery& prepared(const QString& sql);
    // Runs a prepared query, noting a failure.
    bool run(QSqlQuery& query);
    // Binds `values` to its placeholders in order, then runs it.
    bool run(QSqlQuery& query, const QVariantList& values);
    // Prepares and runs one statement.
    bool run(const QString& sql);
    // The same, its placeholders bound to `values` in order.
    bool run(const QString& sql, const QVariantList& values);
    // Ends the open transaction, keeping the failure that made it necessary.
    void rollback();
    // The first column of the first row of `sql`; empty on failure or no row.
    std::optional<QVariant> value(const QString& sql);

    // Whether the rows of `query` were read to their end; otherwise the
    // failure that stopped them is noted.
    bool readToEnd(const QSqlQuery& query);

    const SqliteFailure& lastFailure() const { return lastFailure_; }
    void note(const QSqlError& error);
    void noteFailure(int code, const QString& text) { lastFailure_ = {code, code, text}; }

private:
    SqliteConnection(QString name, Access access);

    QString name_;
    Access access_;
    QSqlDatabase database_;
    SqliteFailure lastFailure_;
    std::map<QString, QSqlQuery> prepared_;  // a node per query: references stay valid
};

}  // namespace mss::progress
