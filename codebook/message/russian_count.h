// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A number written with the word that follows it in Russian: «1 миля»,
// «2 мили», «5 миль», «2,5 мили». Standard library only.

#include <string>
#include <string_view>

namespace mss::codebook::message {

struct WordForms {
    std::string_view one;   // «миля»: 1, 21, 101
    std::string_view few;   // «мили»: 2–4, 22–24; and after a fraction
    std::string_view many;  // «миль»: 0, 5–20, 25
};

// `figures` are digits with at most one '.', as in a group; the decimal
// point is written as a comma.
std::string counted(std::string_view figures, const WordForms& forms);

// The figures of a group as Russian writes a number: '.' becomes ','.
std::string russianFigures(std::string_view figures);

}  // namespace mss::codebook::message
