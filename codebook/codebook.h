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
    std::vector<CodeBookRow>& rows(ListId id) { return lists_[listSlot(id)]; }
    const std::vector<CodeBookRow>& rows(ListId id) const { return lists_[listSlot(id)]; }
    const std::string& text(ListId id, int index) const {
        return lists_[listSlot(id)].at(static_cast<std::size_t>(index)).text;
    }

private:
    std::array<std::vector<CodeBookRow>, kListCount> lists_;
};

}  // namespace mss::codebook
