// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of every card worked out afresh from the answers kept, for a file
// whose cards were moved by an older rule of the schedule.

#include "sqlite_connection.h"

namespace mss::progress {

// Within an open transaction: replaces the cards table with the states that
// each card's answers lead to, answered in the order they were given (rows
// whose time is not sound are passed over). False when a statement fails.
bool rebuildCardsFromAnswers(SqliteConnection& connection);

}  // namespace mss::progress
