// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout of the progress file and how a file found on disk is judged.
//
//   answers  one row per answer: when (UTC, "2026-12-10T14:03:07Z"), the
//            card (set, mode, code), the answer given, right or not, and the
//            session it belongs to.
//   cards    one row per card ever answered: its Leitner box, when it is due
//            and when it was last answered, both in seconds since 1970-01-01
//            UTC (datetime(due_at, 'unixepoch') shows them); primary key
//            (set, mode, code). Whole numbers, because a session reads every
//            card of the file and text times would cost more than the rest
//            of choosing the questions.
//
// The file says it is ours with PRAGMA application_id (the bytes "MS65") and
// gives the layout's version in PRAGMA user_version.

#include "sqlite_connection.h"

namespace mss::progress {

inline constexpr int kApplicationId = 0x4D533635;  // "MS65"
inline constexpr int kSchemaVersion = 1;

struct FileVerdict {
    enum class Kind {
        Ours,          // a sound progress file of this version
        Blank,         // an SQLite file with nothing in it (the program stopped while creating it)
        Damaged,       // not SQLite, or failing its check, or ours with tables missing
        NotOurs,       // a sound SQLite file of another program
        NewerVersion,  // a progress file of a later version of the program
        Unreadable,    // could not be read at all (permissions, input/output error)
    };
    Kind kind;
    int version = 0;  // the file's user_version
    SqliteFailure failure;
};

// Whether a file is too short or does not start as an SQLite file does. Such
// a file is judged without opening it through SQLite, which would otherwise
// rebuild the shared-memory index of a journal lying beside it.
bool lacksSqliteHeader(const std::filesystem::path& file);

// Looks at a database without writing to it.
FileVerdict inspect(SqliteConnection& connection);

// Sets journal and durability on a connection to the file.
bool configureFileConnection(SqliteConnection& connection);

// Creates the tables and marks the file as ours, in one transaction.
bool createSchema(SqliteConnection& connection);

}  // namespace mss::progress
