// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// mss65 --read GROUP…: a message read group by group, one a line: the group
// in Latin capitals and its meaning in Russian with the values filled in,
// tab-separated. Output is UTF-8.

#include <QStringList>

#include "codebook/codebook.h"

namespace mss::app {

// Prints the reading and returns the exit status: 0 printed, 1 a group
// cannot be read (the reason on the error stream, nothing on the output),
// 2 no group at all.
int printReading(const codebook::CodeBook& book, const QStringList& typed);

}  // namespace mss::app
