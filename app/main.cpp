// SPDX-License-Identifier: GPL-3.0-or-later
// МСС-65: a window to learn and look up the flag signals of the code, or, on
// the terminal, a search and the meaning of one code.

#include "command_line.h"
#include "terminal.h"
#include "windows.h"
#include "runtime/file_size_limit.h"

int main(int argc, char* argv[]) {
    // A file the learner saves or the progress file, past a file-size limit:
    // a write that fails and a message, not the end of the program.
    mss::runtime::ignoreFileSizeSignal();
    using mss::app::CommandLine;
    const CommandLine command = mss::app::parseCommandLine(mss::app::argumentsOf(argc, argv));
    if (command.mode == CommandLine::Mode::Window) return mss::app::runWindows(argc, argv, command);
    return mss::app::runOnTerminal(argc, argv, command);
}
