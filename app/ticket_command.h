// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// mss65 --ticket N [--scope основной|полный|…]: an exam ticket as a teacher
// reads it out or hands it round — one question a line, then a blank line
// and the answer key, one line a question. The same number and scope print
// the same ticket every time. Output is UTF-8.

#include <QString>

#include <optional>

#include "codebook/codebook.h"
#include "command_line.h"
#include "exam/ticket.h"

namespace mss::app {

// The scope a teacher names on the command line: «основной», «полный», or a
// section («флаги», «однобуквенные», «общий», «медицинский», «таблицы»).
std::optional<exam::ExamScope> scopeOfWord(const QString& word);
// The message for a scope no teacher's word names.
QString unknownScope(const QString& typed);

// Prints ticket `number` of `scope` and returns the exit status (0).
int printTicket(const codebook::CodeBook& book, int number, exam::ExamScope scope, int draw);

// mss65 --ticket N --output FILE.pdf: the ticket with its hoists drawn, and
// its answer key on a page of its own. Returns the exit status: 0 written,
// 1 the file could not be written, 2 a wrong command line or no printing module.
int writeTicket(int argc, char* argv[], const CommandLine& command);

}  // namespace mss::app
