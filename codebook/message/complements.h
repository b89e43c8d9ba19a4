// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-letter signals with complements of the 1965 code: a letter and
// the figures that follow it in the same group, with the ranges each one
// allows. Standard library only.
//
//   A   azimuth or bearing, 3 figures, 000–359
//   C   course, 3 figures, 000–359
//   D   date: day, day and month, or day, month and year (2, 4 or 6 figures)
//   G   longitude, 4 or 5 figures (degrees, then two of minutes), E or W when needed
//   K   the means of communication: a digit of table I
//   L   latitude, 4 figures, N or S when needed
//   R   distance in nautical miles
//   S   speed in knots
//   T   local time, 4 figures
//   V   speed in kilometres an hour
//   Z   Greenwich mean time, 4 figures

#include <array>
#include <string>
#include <string_view>

#include "codebook/codebook.h"
#include "codebook/meanings.h"

namespace mss::codebook::message {

struct ComplementRule {
    char letter;
    std::string_view what;         // in Russian, for a message: «пеленг»
    std::array<int, 3> figures;    // the counts of figures allowed; 0 marks an unused place; all 0: any count
    std::string_view figuresSaid;  // the same in words: «три цифры»
    bool decimal;                  // a decimal point may stand among the figures
    std::string_view hemispheres;  // the letters that may follow the figures: "NS", "EW" or none
};

inline constexpr std::array kComplementRules{
    ComplementRule{'A', "пеленг", {3, 0, 0}, "три цифры", false, ""},
    ComplementRule{'C', "курс", {3, 0, 0}, "три цифры", false, ""},
    ComplementRule{'D', "дата", {2, 4, 6}, "две, четыре или шесть цифр", false, ""},
    ComplementRule{'G', "долгота", {4, 5, 0}, "четыре или пять цифр", false, "EW"},
    ComplementRule{'K', "средство связи", {1, 0, 0}, "одну цифру", false, ""},
    ComplementRule{'L', "широта", {4, 0, 0}, "четыре цифры", false, "NS"},
    ComplementRule{'R', "расстояние", {0, 0, 0}, "число", true, ""},
    ComplementRule{'S', "скорость в узлах", {0, 0, 0}, "число", true, ""},
    ComplementRule{'T', "местное время", {4, 0, 0}, "четыре цифры", false, ""},
    ComplementRule{'V', "скорость в километрах в час", {0, 0, 0}, "число", true, ""},
    ComplementRule{'Z', "время по Гринвичу", {4, 0, 0}, "четыре цифры", false, ""},
};

// The rule of a letter; nullptr for a letter that takes no complement.
const ComplementRule* complementRuleOf(char letter);

// Whether a group is shaped as a single-letter signal with its complement:
// a letter of the list above and a figure right after it.
bool looksLikeComplement(std::string_view group);

struct ComplementReading {
    std::string meaning;  // «широта 63°30′ N»; empty when refused
    std::string reason;   // in Russian, why the complement is wrong; empty when read
    bool ok() const { return reason.empty(); }
};

// Reads a group that looksLikeComplement; K's digit names its row of table I
// in `book`.
ComplementReading readComplement(const CodeBook& book, std::string_view group);

// A meaning followed by the row of a table of complements that a digit
// chose: «Я хочу установить связь с вами. Дополнение I-1: Семафор.»
std::string withTableRow(std::string_view meaning, const Meaning& row);

}  // namespace mss::codebook::message
