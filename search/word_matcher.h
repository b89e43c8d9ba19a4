// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which rows hold every word of a query: whole (every word in one of its
// forms) or by a beginning (the word still being typed begins a word of the
// text), and which spots of a row's text to highlight for it.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "query_words.h"
#include "row_set.h"
#include "search_result.h"
#include "word_table.h"

namespace mss::search {

class RussianStemmer;

struct WordMatch {
    explicit WordMatch(std::size_t rowCount) : whole(rowCount), byBeginning(rowCount) {}

    RowSet whole;
    RowSet byBeginning;  // none of these is in `whole`

    std::vector<std::uint32_t> stems;  // of the query's words, each once
    WordTable::FormRange typedForms;   // the forms that the typed word begins
    std::size_t typedLength = 0;       // its length in characters

    // The words of a row's text that matched, in text order.
    std::vector<ByteRange> highlights(const WordTable& table, std::size_t row, std::string_view text) const;
};

WordMatch matchWords(const WordTable& table, std::size_t rowCount, const QueryWords& words, RussianStemmer& stemmer);

}  // namespace mss::search
