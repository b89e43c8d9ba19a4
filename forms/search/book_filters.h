// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two lists above the search window's rows that narrow what it lists
// and searches: a part of the book, and within it a letter or a table. The
// parts are a table here; the letters offered are those the part's codes
// have.

#include <QString>

#include <span>
#include <vector>

#include "search/row_filter.h"

namespace mss::forms {

enum class Narrowing {
    FirstLetter,    // the code's first letter
    LetterAfterM,   // a medical code's letter after M
    Table,          // one of the three tables of complements
};

struct BookPart {
    QString title;  // as the first list shows it: «Все», «Общий раздел» …
    search::RowFilter filter;
    Narrowing narrowing;
    QString narrowingLabel;  // the label of the second list, with its mnemonic: «&Буква:»
};

// «Все», «Однобуквенные», «Общий раздел», «Медицинский», «Таблицы дополнений».
std::span<const BookPart> bookParts();

// What the second list offers within a part: «Все буквы» (or «Все
// таблицы») first, then each letter the part's codes have at their place
// in `book`, in alphabetical order (or each table).
struct NarrowingChoice {
    QString title;
    search::RowFilter filter;
};
std::vector<NarrowingChoice> narrowingsOf(const BookPart& part, std::span<const search::SearchRow> book);

}  // namespace mss::forms
