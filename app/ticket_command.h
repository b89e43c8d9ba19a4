// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// mss65 --ticket N [--scope основной|полный|…]: an exam ticket as a teacher
// reads it out or hands it round — one question a line, then a blank line
// and the answer key, one line a question. The same number and scope print
// the same ticket every time. Output is UTF-8.

#include <QString>

#include <optional>

#include "codebook/codebook.h"
#include "exam/ticket.h"

namespace mss::app {

// The scope a teacher names on the command line: «основной», «полный», or a
// section («флаги», «однобуквенные», «общий», «медицинский», «таблицы»).
std::optional<exam::ExamScope> scopeOfWord(const QString& word);

// Prints ticket `number` of `scope` and returns the exit status (0).
int printTicket(const codebook::CodeBook& book, int number, exam::ExamScope scope);

}  // namespace mss::app
