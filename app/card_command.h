// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// mss65 --card CODE [CODE…] --output FILE [--scale 1|2|4]: the cards of
// codes of the book, rows of its tables or single flags and pennants,
// written to FILE as its extension says: .pdf all the cards, several a page
// of A4; .svg or .png one card (a PNG at 1, 2 or 4 times its size on a
// screen, 2 unless --scale says otherwise). Draws without a display, through
// the printing module.

#include "command_line.h"

namespace mss::app {

// Returns the exit status: 0 written; 1 a code names no signal or flag, or
// the file cannot be written; 2 the command line asks what cannot be done
// (an unknown extension, several cards for one picture, a wrong scale), or
// the program is incomplete (a damaged code book, no printing module).
// Nothing is written unless all is well.
int writeCards(int argc, char* argv[], const CommandLine& command);

}  // namespace mss::app
