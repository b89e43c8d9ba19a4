#pragma once
// One signal of the code book as the search sees it: its code, the section it
// belongs to and its meaning. The caller turns its own code book into these
// rows, so the search knows nothing of how the book is stored.

#include <string>

namespace mss::search {

// The parts of the code book, in the order the program lists them.
enum class Section { SingleLetter, General, Medical, TableI, TableII, TableIII };

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
