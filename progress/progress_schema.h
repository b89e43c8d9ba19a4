// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout of the progress file, how a file is brought up to it, and how a
// file found on disk is judged.
//
//   sessions  one row per session: its number (the row's key, given by the
//             file with the session's first answer, so that two programs
//             writing one file never share one), the set, the mode, the
//             first letter drilled ("" for every signal) and when it began.
//   answers   one row per answer: when, the card (set, mode, code), the
//             answer given, right or not, and the session it belongs to.
//   cards     one row per card ever answered: its Leitner box, when it is due
//             and when it was last answered, both in seconds since
//             1970-01-01 UTC (datetime(due_at, 'unixepoch') shows them);
//             primary key (set, mode, code).
//   tickets   one row per exam ticket: its number, scope and length, when it
//             began and its time limit in minutes (0 for none); when it was
//             handed in, the score and grade (NULL while it was never
//             handed in); the draw it was drawn by (1 for every ticket
//             kept before version 4) and the seconds spent answering it so
//             far, which a ticket left unfinished is taken up again with.
//   ticket_answers  one row per question of a ticket that was answered: its
//             place, the task, the code asked, the code given, right or not,
//             and the flags put up for it by number ("7 36"), in order.
// Times of answers, sessions and tickets are UTC text (utc_text.h).
//
// The file says it is ours with PRAGMA application_id (the bytes "MS65") and
// gives the layout's version in PRAGMA user_version. Each version is one step
// from the one before; a new file takes every step from an empty database,
// so a file made today and a file brought up from version 1 are alike.

#include "sqlite_connection.h"

namespace mss::progress {

inline constexpr int kApplicationId = 0x4D533635;  // "MS65"
inline constexpr int kSchemaVersion = 4;

// Session numbers the program takes as sound: 1 up to 2^31 - 2.
inline constexpr int kLastSession = 2'147'483'646;

// The columns of each table that the program writes, named once here for
// the statements that write them and for the check of a file's tables.
struct TableLayout {
    const char* name;
    const char* key;      // the row's number, given by SQLite when not written; "" for none
    const char* columns;  // every column written, in the order of the statements' values
};
inline constexpr TableLayout kSessionsTable{"sessions", "", "id, card_set, mode, first_letter, started_at"};
inline constexpr TableLayout kAnswersTable{"answers", "id",
                                           "answered_at, card_set, mode, code, given, correct, session"};
inline constexpr TableLayout kCardsTable{"cards", "", "card_set, mode, code, box, due_at, last_answered_at"};
inline constexpr TableLayout kTicketsTable{"tickets", "id",
                                           "number, scope, length, started_at, limit_minutes, ended_at, right_answers,"
                                           " mistakes, gross_errors, passed, timed_out, draw, seconds_used"};
inline constexpr TableLayout kTicketAnswersTable{"ticket_answers", "",
                                                 "ticket, place, task, asked, given, correct, flags"};

// "INSERT <how> INTO t (columns) VALUES (?, …)"; `how` is "" or "OR REPLACE" and the like.
QString insertStatement(const TableLayout& table, const char* how = "");

struct FileVerdict {
    enum class Kind {
        Ours,          // a sound progress file of this version or an earlier one
        Blank,         // an SQLite file with nothing in it (the program stopped while creating it)
        Damaged,       // not SQLite, or failing its check, or ours with tables missing
        NotOurs,       // a sound SQLite file of another program
        NewerVersion,  // a progress file of a later version of the program
        Unreadable,    // could not be read at all (permissions, input/output error, busy)
    };
    Kind kind;
    int version = 0;  // the file's user_version
    SqliteFailure failure;
};

// Whether a file is too short or does not start as an SQLite file does. Such
// a file is judged without opening it through SQLite, which would otherwise
// rebuild the shared-memory index of a journal lying beside it.
bool lacksSqliteHeader(const std::filesystem::path& file);

// Looks at a database without writing to it. The tables of a file of an
// earlier version are checked when it is brought up to date.
FileVerdict inspect(SqliteConnection& connection);

// Sets journal and durability on a connection to the file.
bool configureFileConnection(SqliteConnection& connection);

enum class Migration {
    Done,
    // Under the write lock the file was found no longer at the version
    // expected (empty, for version 0): another program changed it since it
    // was judged. Nothing was changed; it is to be judged anew.
    Moved,
    Failed,  // nothing changed; the connection has noted why
};

// Takes the steps from version `from` (0 for an empty database) to `to` in
// one transaction, marking the file as ours.
Migration migrate(SqliteConnection& connection, int from, int to = kSchemaVersion);

// Creates every table of this version in an empty database.
inline bool createSchema(SqliteConnection& connection) { return migrate(connection, 0) == Migration::Done; }

}  // namespace mss::progress
