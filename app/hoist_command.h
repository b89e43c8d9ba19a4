// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// mss65 --hoist GROUP: the flags of one set that fly a group, top first, one
// a line: the flag's short name, what it gives (its spelling word,
// «повторяет A» for a substitute, «десятичная запятая» for the answering
// pennant) and its Morse, tab-separated. Output is UTF-8.
//
// mss65 --hoist GROUP GROUP…: the groups on one halyard, each group's flags
// as above, and between two groups the tackline's line:
// «|<TAB>разделительный участок фала<TAB>».

#include <QString>
#include <QStringList>

namespace mss::app {

// Prints the hoist of `typed` (Latin or look-alike Cyrillic letters, digits,
// '.' or ',' as the decimal point) and returns the exit status: 0 printed,
// 1 one set cannot fly the group (the reason on the error stream), 2 no
// group at all.
int printHoist(const QString& typed);

// Prints the groups flown on one halyard with a tackline between each two:
// 0 printed, 1 one set cannot make the halyard (the reason on the error
// stream), 2 a group is no group at all. A single group prints as above.
int printHalyard(const QStringList& typed);

}  // namespace mss::app
