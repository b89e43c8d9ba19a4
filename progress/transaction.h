// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One transaction on a connection: begun when made, rolled back when left
// without commit(), so that no way out of a write leaves it open.

#include <QString>

#include "sqlite_connection.h"

namespace mss::progress {

class Transaction {
public:
    enum class Kind {
        Read,   // BEGIN: no lock until the first read (nor a write lock until the first write)
        Write,  // BEGIN IMMEDIATE: the write lock at once, or busy
    };

    explicit Transaction(SqliteConnection& connection, Kind kind = Kind::Write)
        : connection_(connection),
          begun_(connection.run(kind == Kind::Write ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"))) {}
    ~Transaction() {
        if (begun_ && !committed_) connection_.rollback();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // False when BEGIN failed; the connection has noted why.
    bool begun() const { return begun_; }
    bool commit() { return committed_ = begun_ && connection_.run(QStringLiteral("COMMIT")); }

private:
    SqliteConnection& connection_;
    bool begun_;
    bool committed_ = false;
};

}  // namespace mss::progress
