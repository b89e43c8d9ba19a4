// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One signal of the code book as the search sees it: its code, the section it
// belongs to and its meaning. searchRowsOf() (book_rows.h) makes them from the
// code book; the index itself knows nothing of how the book is stored.

#include <string>

#include "codebook/section.h"

namespace mss::search {

// The parts of the code book, in the order the program lists them.
using codebook::Section;

struct SearchRow {
    // The canonical code: "A", "AE", "AE1", "MAA", "I-3", "II-0", "III-9".
    // A meaning that two codes share (WY0 and XB0) comes as two rows, one per
    // code, each with the same text.
    std::string code;
    Section section = Section::General;
    std::string text;            // UTF-8, as the program shows it
    bool reconstructed = false;  // the wording was written without a printed source
};

}  // namespace mss::search
