// SPDX-License-Identifier: GPL-3.0-or-later
#include "book_rows.h"

#include "codebook/meanings.h"

namespace mss::search {

std::vector<SearchRow> searchRowsOf(const codebook::CodeBook& book) {
    std::vector<SearchRow> rows;
    for (const auto& section : codebook::kSections)
        for (const codebook::Meaning& m : codebook::signalsOf(book, section.section))
            rows.push_back({std::string(m.code), m.section, std::string(m.text), m.source == codebook::Source::Recall});
    return rows;
}

}  // namespace mss::search
