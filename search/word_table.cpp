// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_table.h"

#include <algorithm>
#include <numeric>

#include "russian_stemmer.h"
#include "word_reader.h"

namespace mss::search {

WordTable::WordTable(const std::vector<SearchRow>& rows, RussianStemmer& stemmer) {
    // Read every word, numbering the forms as they first appear.
    IdsByString formIds;
    std::vector<std::string> formsAsFound;
    constexpr std::size_t kFormsOfABook = 8192;  // the shipped book has about 3,400
    formIds.reserve(kFormsOfABook);
    rowSpotStarts_.reserve(rows.size() + 1);
    for (const SearchRow& row : rows) {
        WordReader words(row.text);
        while (words.next()) {
            auto found = formIds.find(words.folded());
            if (found == formIds.end()) {
                found = formIds.emplace(std::string(words.folded()), static_cast<std::uint32_t>(formsAsFound.size())).first;
                formsAsFound.emplace_back(words.folded());
            }
            spots_.push_back({static_cast<std::uint32_t>(words.begin()), static_cast<std::uint32_t>(words.end()),
                              found->second});
        }
        rowSpotStarts_.push_back(static_cast<std::uint32_t>(spots_.size()));
    }

    // Renumber the forms in sorted order.
    std::vector<std::uint32_t> order(formsAsFound.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](std::uint32_t a, std::uint32_t b) { return formsAsFound[a] < formsAsFound[b]; });
    std::vector<std::uint32_t> sortedId(order.size());
    forms_.reserve(order.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) {
        sortedId[order[i]] = i;
        forms_.push_back(std::move(formsAsFound[order[i]]));
    }
    for (Spot& spot : spots_) spot.form = sortedId[spot.form];

    // Stem each form once.
    formStems_.reserve(forms_.size());
    for (const std::string& form : forms_) {
        const auto entry = stemIds_.emplace(stemmer.stem(form), static_cast<std::uint32_t>(stemIds_.size())).first;
        formStems_.push_back(entry->second);
    }

    std::vector<PostingLists::Entry> formEntries;
    std::vector<PostingLists::Entry> stemEntries;
    formEntries.reserve(spots_.size());
    stemEntries.reserve(spots_.size());
    for (std::uint32_t row = 0; row < rows.size(); ++row) {
        for (const Spot& spot : spotsOf(row)) {
            formEntries.push_back({spot.form, row});
            stemEntries.push_back({formStems_[spot.form], row});
        }
    }
    formRows_ = PostingLists(forms_.size(), formEntries);
    stemRows_ = PostingLists(stemIds_.size(), stemEntries);
}

std::optional<std::uint32_t> WordTable::stemId(std::string_view stem) const {
    const auto found = stemIds_.find(stem);
    if (found == stemIds_.end()) return std::nullopt;
    return found->second;
}

WordTable::FormRange WordTable::formsBeginningWith(std::string_view prefix) const {
    const auto first = std::lower_bound(forms_.begin(), forms_.end(), prefix,
                                        [](const std::string& form, std::string_view p) { return form < p; });
    const auto last = std::partition_point(
        first, forms_.end(), [&](const std::string& form) { return std::string_view(form).starts_with(prefix); });
    return {static_cast<std::uint32_t>(first - forms_.begin()), static_cast<std::uint32_t>(last - forms_.begin())};
}

}  // namespace mss::search
