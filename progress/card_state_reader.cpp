// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_state_reader.h"

#include <sqlite3.h>

#include <algorithm>
#include <string_view>

#include "drill/leitner_boxes.h"
#include "runtime/loaded_library.h"
#include "utc_text.h"

namespace mss::progress {

namespace {

// The calls of SQLite this reader makes, from the library Qt's SQLite driver
// has brought into the process: the program links neither, so start-up maps
// neither.
struct SqliteCalls {
    decltype(&sqlite3_prepare_v2) prepare = nullptr;
    decltype(&sqlite3_finalize) finalize = nullptr;
    decltype(&sqlite3_bind_text) bindText = nullptr;
    decltype(&sqlite3_step) step = nullptr;
    decltype(&sqlite3_column_text) columnText = nullptr;
    decltype(&sqlite3_column_bytes) columnBytes = nullptr;
    decltype(&sqlite3_column_int) columnInt = nullptr;
    decltype(&sqlite3_column_int64) columnInt64 = nullptr;
    decltype(&sqlite3_errmsg) errorMessage = nullptr;

    bool complete() const {
        return prepare && finalize && bindText && step && columnText && columnBytes && columnInt && columnInt64 &&
               errorMessage;
    }
};

const SqliteCalls& sqlite() {
    static const SqliteCalls calls = [] {
        SqliteCalls c;
        if (const auto* library = runtime::LoadedLibrary::open(MSS65_SQLITE_SONAME)) {
            c.prepare = library->symbol<decltype(c.prepare)>("sqlite3_prepare_v2");
            c.finalize = library->symbol<decltype(c.finalize)>("sqlite3_finalize");
            c.bindText = library->symbol<decltype(c.bindText)>("sqlite3_bind_text");
            c.step = library->symbol<decltype(c.step)>("sqlite3_step");
            c.columnText = library->symbol<decltype(c.columnText)>("sqlite3_column_text");
            c.columnBytes = library->symbol<decltype(c.columnBytes)>("sqlite3_column_bytes");
            c.columnInt = library->symbol<decltype(c.columnInt)>("sqlite3_column_int");
            c.columnInt64 = library->symbol<decltype(c.columnInt64)>("sqlite3_column_int64");
            c.errorMessage = library->symbol<decltype(c.errorMessage)>("sqlite3_errmsg");
        }
        return c;
    }();
    return calls;
}

class Statement {
public:
    Statement(sqlite3* database, const char* sql) {
        if (database) result_ = sqlite().prepare(database, sql, -1, &statement_, nullptr);
    }
    ~Statement() {
        if (statement_) sqlite().finalize(statement_);
    }
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
    const auto* bytes = sqlite().columnText(row, column);
    return bytes ? std::string_view(reinterpret_cast<const char*>(bytes),
                                    static_cast<std::size_t>(sqlite().columnBytes(row, column)))
                 : std::string_view();
}

bool bindText(sqlite3_stmt* statement, int place, std::string_view text) {
    return sqlite().bindText(statement, place, text.data(), static_cast<int>(text.size()), SQLITE_STATIC) == SQLITE_OK;
}

bool failed(SqliteConnection& connection, sqlite3* database, int result) {
    connection.noteFailure(result & 0xFF, database ? QString::fromUtf8(sqlite().errorMessage(database))
                                                   : QStringLiteral("no SQLite handle"));
    return false;
}

}  // namespace

bool readCardStates(SqliteConnection& connection, const std::optional<Deck>& only, drill::CardStates& states) {
    if (!sqlite().complete()) return failed(connection, nullptr, SQLITE_ERROR);
    sqlite3* database = static_cast<sqlite3*>(connection.nativeHandle());
    const Statement statement(database, only ? "SELECT card_set, mode, code, box, due_at, last_answered_at FROM cards "
                                               "WHERE card_set = ?1 AND mode = ?2"
                                             : "SELECT card_set, mode, code, box, due_at, last_answered_at FROM cards");
    if (!statement.prepared()) return failed(connection, database, statement.result());
    if (only && !(bindText(statement.get(), 1, drill::storedName(only->set)) &&
                  bindText(statement.get(), 2, drill::storedName(only->mode))))
        return failed(connection, database, SQLITE_ERROR);

    int result;
    while ((result = sqlite().step(statement.get())) == SQLITE_ROW) {
        sqlite3_stmt* row = statement.get();
        const auto set = drill::drillSetNamed(textColumn(row, 0));
        const auto mode = drill::drillModeNamed(textColumn(row, 1));
        if (!set || !mode) continue;  // written by a later version
        states.insert_or_assign(
            drill::CardKey{*set, *mode, std::string(textColumn(row, 2))},
            drill::CardState{std::clamp(sqlite().columnInt(row, 3), drill::kFirstBox, drill::kTopBox),
                             timeOfSecondsSinceEpoch(sqlite().columnInt64(row, 4)),
                             timeOfSecondsSinceEpoch(sqlite().columnInt64(row, 5))});
    }
    return result == SQLITE_DONE || failed(connection, database, result);
}

}  // namespace mss::progress
