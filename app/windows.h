// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program as a window: the main window, and from it the About, drill and
// search windows.

#include "command_line.h"

namespace mss::app {

// Returns the program's exit status: 0 when its windows were closed, 1 when
// there is no display to open them on, 2 when its code book is damaged.
int runWindows(int argc, char* argv[], const CommandLine& command);

}  // namespace mss::app
