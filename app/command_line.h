// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line asks of the program: its window (the usual), help,
// its version, a search, a lookup, a hoist, a message read or an exchange
// between two ships printed on the terminal, or cards written to a file.

#include <QString>
#include <QStringList>

#include "exam/ticket_draw.h"

namespace mss::app {

struct CommandLine {
    enum class Mode { Window, Help, Version, Search, Lookup, Hoist, Read, Ticket, Card, Exchanges, Exchange, Error };
    Mode mode = Mode::Window;
    QString progressFile;                // --progress FILE; empty: the learner's data folder
    QStringList searchWords;             // --search WORDS…
    QString lookupCode;                  // --lookup CODE
    QStringList hoistGroups;             // --hoist GROUP [GROUP…]
    QStringList readGroups;              // --read GROUP [GROUP…]
    int ticketNumber = 0;                // --ticket N
    QString ticketScope;                 // --scope SCOPE; empty: the basic one
    int ticketDraw = exam::kLatestDraw;  // --draw N
    QStringList cardCodes;               // --card CODE [CODE…]
    QString exchangeName;                // --exchange NAME
    QString outputFile;                  // --output FILE, for the command that writes a file
    QString scale;                       // --scale N as typed; empty when not given
    QString error;                       // in Russian, for Mode::Error
};

// Reads the program's arguments (the first is the program itself).
CommandLine parseCommandLine(const QStringList& arguments);

// The help the program prints for --help, in Russian.
QString helpText();

// The program's arguments as text, from what main() was given.
QStringList argumentsOf(int argc, char* argv[]);

}  // namespace mss::app
