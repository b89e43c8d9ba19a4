// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a card says, taken from the code book and the table of flags: a
// signal's hoist as one set flies it, each flag with its name, the word it
// gives and its Morse; its code, section and meaning. The printing module
// only draws it (document.h).

#include <QString>

#include <optional>
#include <vector>

#include "codebook/codebook.h"
#include "codebook/meanings.h"
#include "print/document.h"

namespace mss::print {

// The card of a signal of the book.
ReferenceSheet signalSheet(const codebook::Meaning& meaning);

// The card of flag `flag` (0..39) of one set: a letter that is a
// single-letter signal gives that signal's card; any other flag its name,
// its Morse and, for a substitute or the answering pennant, what it does in
// a group. Throws std::out_of_range for any other index.
ReferenceSheet flagSheet(const codebook::CodeBook& book, int flag);

// The card for a code as a person types it: a code of the book as --lookup
// reads it («MAA», «ае1», «I-3», «MLG» for MLQ), or a flag's short name as --hoist prints
// it («7», «1-й заменяющий», «ответный вымпел»). Nothing for anything else.
std::optional<ReferenceSheet> sheetOf(const codebook::CodeBook& book, const QString& typed);

// The title of a document of cards, its PDF's title and its print job's
// name: «Карточки МСС-65: NC, MAA, AE1», the first twelve codes named.
QString titleOfSheets(const std::vector<ReferenceSheet>& cards);

}  // namespace mss::print
