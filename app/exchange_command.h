// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// mss65 --exchanges: the scenarios of exchanges between two ships, one a
// line, NAME<TAB>title. mss65 --exchange NAME: the model exchange of one,
// one event a line, step<TAB>call sign<TAB>action<TAB>position<TAB>groups
// (groups top first, " | " between each two, for a hoist only). Output is
// UTF-8; the same scenario prints the same bytes every time.

#include <QString>

namespace mss::app {

// Both return the exit status: 0 printed; 2 for a name no scenario has, or
// a damaged file of scenarios (the reason on the error stream).
int printExchanges();
int printExchange(const QString& name);

}  // namespace mss::app
