// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a signal means, asked by its code: the one door to the texts of the
// code book for everything that is not the main window (drills, search, the
// command line). Standard library only.

#include <optional>
#include <string_view>
#include <vector>

#include "codebook.h"
#include "section.h"
#include "signal_code.h"

namespace mss::codebook {

struct Meaning {
    const SignalCode* signal;  // lives as long as the program
    std::string_view code;     // its text: "A", "AE1", "MAA", "II-3"
    Section section;
    CodeList list;
    int row;
    std::string_view text;  // exactly as shown, spaces included
    Source source;
};

// The section a code belongs to; nothing for a code the code book lacks.
std::optional<Section> sectionOfCode(std::string_view code);

// The meaning of one code as the code writes it (capital Latin letters and
// digits, "I-3" for a row of a table of complements); nothing for a code the
// code book lacks. The texts belong to `book`, which must outlive the result.
std::optional<Meaning> meaningOf(const CodeBook& book, std::string_view code);
std::optional<Meaning> meaningOf(const CodeBook& book, const SignalCode& code);

// The same, reading also the code that the international edition gives one
// of our signals under (edition_notes.h): "MLG" finds MLQ, under its own code.
std::optional<Meaning> meaningInEitherEdition(const CodeBook& book, std::string_view code);

// Every signal of a section in the order of the code: 25 single-letter
// signals, the 1,403 codes of the general section (XB0..XB9 and XH0..XH9
// share the rows of WY0..WY9 and XE0..XE9), 442 medical signals, and the 9,
// 10 and 10 rows of the tables of complements.
std::vector<Meaning> signalsOf(const CodeBook& book, Section section);

}  // namespace mss::codebook
