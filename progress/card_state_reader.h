// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading card states in bulk. Choosing a session's questions loads every
// card of the file, and Qt SQL turns each value of each row into a QVariant
// (text twice converted on the way); that alone took longer than the rest
// of choosing. So this one read goes straight through SQLite's C interface,
// on the very connection Qt opened (Qt's driver and this code share the
// system's SQLite library).

#include <optional>

#include "drill/card_state.h"
#include "sqlite_connection.h"

namespace mss::progress {

struct Deck {
    drill::DrillSet set;
    drill::DrillMode mode;
};

// Adds the states of every card, or of one deck's cards, to `states`. Rows
// of sets or modes this program does not know are passed over. False when
// the read failed; `connection` has noted why.
bool readCardStates(SqliteConnection& connection, const std::optional<Deck>& only, drill::CardStates& states);

}  // namespace mss::progress
