// SPDX-License-Identifier: GPL-3.0-or-later
#include "everyday_synonyms.h"

#include <algorithm>

#include "word_groups.h"
#include "word_table.h"

namespace mss::search {

EverydaySynonyms::EverydaySynonyms(const std::vector<EverydayWord>& everyday, const WordTable& table,
                                   const WordGroups& groups, RussianStemmer& stemmer) {
    for (const EverydayWord& word : everyday) {
        Saying saying;
        for (const std::string& said : word.said) saying.keys.push_back(groups.keyOf(said, stemmer));
        for (const Phrase& phrase : word.inBook) {
            WordIds ids;
            for (const std::string& w : phrase)
                if (const auto id = table.wordId(groups.keyOf(w, stemmer))) ids.push_back(*id);
            if (ids.size() == phrase.size()) saying.inBook.push_back(std::move(ids));
        }
        if (saying.inBook.empty()) continue;
        const std::string first = saying.keys.front();
        byFirstKey_[first].push_back(std::move(saying));
    }
}

std::optional<EverydaySynonyms::Match> EverydaySynonyms::longestAt(std::span<const std::string> keys, std::size_t at,
                                                                   std::size_t longest) const {
    const auto found = byFirstKey_.find(keys[at]);
    if (found == byFirstKey_.end()) return std::nullopt;
    std::optional<Match> best;
    for (const Saying& saying : found->second) {
        const std::size_t n = saying.keys.size();
        if (n > longest || at + n > keys.size() || (best && best->length >= n)) continue;
        if (std::equal(saying.keys.begin(), saying.keys.end(), keys.begin() + static_cast<std::ptrdiff_t>(at)))
            best = Match{n, &saying.inBook};
    }
    return best;
}

}  // namespace mss::search
