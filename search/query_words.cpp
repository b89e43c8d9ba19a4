// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_words.h"

#include "word_reader.h"

namespace mss::search {

QueryWords readQueryWords(std::string_view query) {
    QueryWords words;
    WordReader reader(query);
    while (reader.next()) {
        const std::string_view word = reader.folded();
        if (reader.end() == query.size()) {
            words.typing = word;
            break;
        }
        words.finished.emplace_back(word);
    }
    return words;
}

}  // namespace mss::search
