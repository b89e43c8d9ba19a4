// SPDX-License-Identifier: GPL-3.0-or-later
#include "row_filter.h"

namespace mss::search {

RowFilter::RowFilter(std::initializer_list<Section> sections) : sections_(0) {
    for (const Section s : sections) sections_ = static_cast<std::uint8_t>(sections_ | bitOf(s));
}

RowFilter RowFilter::withLetter(char letter, LetterPlace place) const {
    RowFilter narrower = *this;
    narrower.letter_ = letter;
    narrower.place_ = place;
    return narrower;
}

bool RowFilter::admits(const SearchRow& row) const {
    if (!hasSection(row.section)) return false;
    if (letter_ == 0) return true;
    if (codebook::isComplementTable(row.section)) return false;
    const std::size_t at = place_ == LetterPlace::AfterMedicalM ? 1 : 0;
    // After M only in the medical section: elsewhere no code has its M first.
    if (place_ == LetterPlace::AfterMedicalM && row.section != Section::Medical) return false;
    return row.code.size() > at && row.code[at] == letter_;
}

bool RowFilter::admitsEveryRow() const { return sections_ == kEverySection && letter_ == 0; }

}  // namespace mss::search
