// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_matcher.h"

#include <algorithm>

#include "russian_stemmer.h"
#include "word_reader.h"

namespace mss::search {

namespace {

RowSet rowSetOf(std::size_t rowCount, std::span<const std::uint32_t> rows) {
    RowSet set(rowCount);
    for (std::uint32_t row : rows) set.insert(row);
    return set;
}

bool holds(const std::vector<std::uint32_t>& ids, std::uint32_t id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

WordMatch matchWords(const WordTable& table, std::size_t rowCount, const QueryWords& words, RussianStemmer& stemmer) {
    WordMatch match(rowCount);
    if (words.empty()) return match;

    // Every finished word narrows the rows; a word that no row holds ends the
    // search at once, so a long query of unknown words costs little.
    RowSet candidates(rowCount, true);
    for (const std::string& word : words.finished) {
        const auto stem = table.stemId(stemmer.stem(word));
        if (!stem) return match;
        if (holds(match.stems, *stem)) continue;
        match.stems.push_back(*stem);
        candidates.keepOnly(rowSetOf(rowCount, table.rowsWithStem(*stem)));
        if (candidates.empty()) return match;
    }

    if (words.typing.empty()) {
        match.whole = std::move(candidates);
        return match;
    }

    if (const auto stem = table.stemId(stemmer.stem(words.typing))) {
        match.whole = rowSetOf(rowCount, table.rowsWithStem(*stem));
        match.whole.keepOnly(candidates);
        if (!holds(match.stems, *stem)) match.stems.push_back(*stem);
    }
    match.typedForms = table.formsBeginningWith(words.typing);
    for (std::uint32_t form = match.typedForms.first; form < match.typedForms.last; ++form)
        for (std::uint32_t row : table.rowsWithForm(form)) match.byBeginning.insert(row);
    match.byBeginning.keepOnly(candidates);
    match.byBeginning.remove(match.whole);
    match.typedLength = static_cast<std::size_t>(
        std::count_if(words.typing.begin(), words.typing.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    return match;
}

std::vector<ByteRange> WordMatch::highlights(const WordTable& table, std::size_t row, std::string_view text) const {
    std::vector<ByteRange> ranges;
    for (const WordTable::Spot& spot : table.spotsOf(row)) {
        if (holds(stems, table.stemOfForm(spot.form)))
            ranges.push_back({spot.begin, spot.end});
        else if (typedForms.contains(spot.form))
            ranges.push_back({spot.begin, spot.begin + bytesOfFoldedPrefix(text, spot.begin, typedLength)});
    }
    return ranges;
}

}  // namespace mss::search
