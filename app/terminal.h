// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program does on the terminal, without a window: help, its
// version, a search, the meaning of one code, the hoist of a group or an
// exchange between two ships. Output is UTF-8.

#include "command_line.h"

namespace mss::app {

// Returns the program's exit status: 0 done, 1 nothing found (or a group one
// set cannot fly), 2 a wrong command line or a damaged code book.
int runOnTerminal(int argc, char* argv[], const CommandLine& command);

}  // namespace mss::app
