// SPDX-License-Identifier: GPL-3.0-or-later
// МСС-65: a window to learn and look up the flag signals of the code, or, on
// the terminal, a search and the meaning of one code.

#include "command_line.h"
#include "terminal.h"
#include "windows.h"

int main(int argc, char* argv[]) {
    using mss::app::CommandLine;
    const CommandLine command = mss::app::parseCommandLine(mss::app::argumentsOf(argc, argv));
    if (command.mode == CommandLine::Mode::Window) return mss::app::runWindows(argc, argv, command);
    return mss::app::runOnTerminal(argc, argv, command);
}
