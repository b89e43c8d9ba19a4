// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which rows of the book a search or a listing may give: the rows of some
// sections and, where a letter is asked for, of those only the codes with
// that letter — as their first letter, or in the medical section, where
// every code begins with M, as the letter after M. A row of a table of
// complements has no letter and never matches one.

#include <cstdint>
#include <initializer_list>

#include "search_row.h"

namespace mss::search {

enum class LetterPlace : std::uint8_t { First, AfterMedicalM };

class RowFilter {
public:
    // Every row of the book.
    RowFilter() = default;
    // The rows of these sections.
    explicit RowFilter(std::initializer_list<Section> sections);

    // Of those, only the codes with `letter` ('A'..'Z') at `place`; 0 for any letter.
    RowFilter withLetter(char letter, LetterPlace place = LetterPlace::First) const;

    bool admits(const SearchRow& row) const;
    bool admitsEveryRow() const;

    char letter() const { return letter_; }
    bool hasSection(Section section) const { return (sections_ & bitOf(section)) != 0; }

    friend bool operator==(const RowFilter&, const RowFilter&) = default;

private:
    static constexpr std::uint8_t bitOf(Section s) { return static_cast<std::uint8_t>(1u << codebook::slotOf(s)); }
    static constexpr std::uint8_t kEverySection = (1u << codebook::kSectionCount) - 1;

    std::uint8_t sections_ = kEverySection;
    char letter_ = 0;
    LetterPlace place_ = LetterPlace::First;
};

}  // namespace mss::search
