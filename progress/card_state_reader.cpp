// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_state_reader.h"

#include <sqlite3.h>

#include <algorithm>
#include <string_view>

#include "drill/leitner_boxes.h"
#include "utc_text.h"

namespace mss::progress {

namespace {

class Statement {
public:
    Statement(sqlite3* database, const char* sql) {
        if (database) result_ = sqlite3_prepare_v2(database, sql, -1, &statement_, nullptr);
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool prepared() const { return statement_ != nullptr; }
    sqlite3_stmt* get() const { return statement_; }
    int result() const { return result_; }

private:
    sqlite3_stmt* statement_ = nullptr;
    int result_ = SQLITE_MISUSE;
};

std::string_view textColumn(sqlite3_stmt* row, int column) {
    const auto* bytes = sqlite3_column_text(row, column);
    return bytes ? std::string_view(reinterpret_cast<const char*>(bytes),
                                    static_cast<std::size_t>(sqlite3_column_bytes(row, column)))
                 : std::string_view();
}

bool bindText(sqlite3_stmt* statement, int place, std::string_view text) {
    return sqlite3_bind_text(statement, place, text.data(), static_cast<int>(text.size()), SQLITE_STATIC) == SQLITE_OK;
}

bool failed(SqliteConnection& connection, sqlite3* database, int result) {
    connection.noteFailure(result & 0xFF, database ? QString::fromUtf8(sqlite3_errmsg(database))
                                                   : QStringLiteral("no SQLite handle"));
    return false;
}

}  // namespace

bool readCardStates(SqliteConnection& connection, const std::optional<Deck>& only, drill::CardStates& states) {
    sqlite3* database = static_cast<sqlite3*>(connection.nativeHandle());
    const Statement statement(database, only ? "SELECT card_set, mode, code, box, due_at, last_answered_at FROM cards "
                                               "WHERE card_set = ?1 AND mode = ?2"
                                             : "SELECT card_set, mode, code, box, due_at, last_answered_at FROM cards");
    if (!statement.prepared()) return failed(connection, database, statement.result());
    if (only && !(bindText(statement.get(), 1, drill::storedName(only->set)) &&
                  bindText(statement.get(), 2, drill::storedName(only->mode))))
        return failed(connection, database, SQLITE_ERROR);

    int result;
    while ((result = sqlite3_step(statement.get())) == SQLITE_ROW) {
        sqlite3_stmt* row = statement.get();
        const auto set = drill::drillSetNamed(textColumn(row, 0));
        const auto mode = drill::drillModeNamed(textColumn(row, 1));
        if (!set || !mode) continue;  // written by a later version
        states.insert_or_assign(
            drill::CardKey{*set, *mode, std::string(textColumn(row, 2))},
            drill::CardState{std::clamp(sqlite3_column_int(row, 3), drill::kFirstBox, drill::kTopBox),
                             timeOfSecondsSinceEpoch(sqlite3_column_int64(row, 4)),
                             timeOfSecondsSinceEpoch(sqlite3_column_int64(row, 5))});
    }
    return result == SQLITE_DONE || failed(connection, database, result);
}

}  // namespace mss::progress
