// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program says in Russian about a hoist of one set: each flag for a
// tooltip or a screen reader, the whole hoist in one line, and why a group
// cannot fly in one hoist. Standard library only.

#include <span>
#include <string>
#include <string_view>

#include "one_set_hoist.h"

namespace mss::codebook {

// What a flag gives in its hoist: the spelling word of a letter or a digit
// («Майк»), «повторяет A» for a substitute («ничего не повторяет» when it
// repeats nothing: standsFor 0), «десятичная запятая» for the answering
// pennant.
std::string flownFlagWord(const FlownFlag& flag);

// A flag in its hoist, for a tooltip or a screen reader: «флаг M — Майк»,
// «вымпел 7 — Сэтэсэвн», «второй заменяющий — повторяет A», «ответный
// вымпел — десятичная запятая».
std::string spokenFlownFlag(const FlownFlag& flag);

// The short names of a hoist's flags, top first: «M, A, 2-й заменяющий».
std::string hoistLine(std::span<const int> flags);
std::string hoistLine(const FlownHoist& hoist);

// Morse written for reading among words: a dot «·» and a dash «−», which
// no comma or full stop beside them can be taken for («.-» is «·−»).
std::string morseSigns(std::string_view morse);

// The flags of a hoist by name, with Morse (in morseSigns) where they have
// it, top first: «Майк (M, −−), Алфа (A, ·−), 2-й заменяющий (повторяет A)»;
// the answering pennant «ответный вымпел (десятичная запятая, ·−·−·−)».
// Flags that are no hoist of one set are named as readHoist() reads them.
std::string hoistWithMorse(std::span<const int> flags);

// Why a group cannot fly in one hoist, or why flags are no hoist of one set,
// in one or two sentences: «Повторить 7 мог бы только 1-й заменяющий, а он
// уже повторяет H.»
std::string refusalText(const HoistRefusal& refusal);

}  // namespace mss::codebook
