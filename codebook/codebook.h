// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The code book as loaded: the six lists with the text, codes and provenance
// of every row.

#include <array>
#include <string>
#include <vector>

#include "code_lists.h"

namespace mss::codebook {

// Where a row's wording comes from: quoted from the printed code, written
// from a reference edition of the code, or written from knowledge of the code
// without a reference at hand.
enum class Source { Book, Ref, Recall };

struct CodeBookRow {
    std::vector<std::string> codes;
    std::string text;  // UTF-8, exactly as shown, spaces included
    Source source = Source::Recall;
};

class CodeBook {
public:
    std::vector<CodeBookRow>& rows(CodeList list) { return lists_[slotOf(list)]; }
    const std::vector<CodeBookRow>& rows(CodeList list) const { return lists_[slotOf(list)]; }
    const CodeBookRow& row(CodeList list, int index) const {
        return lists_[slotOf(list)].at(static_cast<std::size_t>(index));
    }
    const std::string& text(CodeList list, int index) const { return row(list, index).text; }

private:
    std::array<std::vector<CodeBookRow>, kCodeListCount> lists_;
};

}  // namespace mss::codebook
