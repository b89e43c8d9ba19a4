// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_table.h"

#include <algorithm>
#include <numeric>

#include "word_groups.h"
#include "word_reader.h"

namespace mss::search {

namespace {

// How many parentheses and brackets are open after `text`, given `depth`
// before it.
int depthAfter(std::string_view text, int depth) {
    for (char c : text) {
        if (c == '(' || c == '[') ++depth;
        if ((c == ')' || c == ']') && depth > 0) --depth;
    }
    return depth;
}

constexpr std::size_t kShortestCountedWord = 3;  // letters

constexpr std::string_view kDenials[] = {"не", "нет", "ни"};

}  // namespace

WordTable::WordTable(const std::vector<SearchRow>& rows, const WordGroups& groups, RussianStemmer& stemmer) {
    // Read every word, numbering the forms as they first appear.
    IdsByString formIds;
    std::vector<float> spotWeights;  // parallel to spots_
    std::vector<std::string> formsAsFound;
    constexpr std::size_t kFormsOfABook = 8192;  // the shipped book has about 3,000
    formIds.reserve(kFormsOfABook);
    rowSpotStarts_.reserve(rows.size() + 1);
    rowLengths_.reserve(rows.size());
    asks_.reserve(rows.size());
    denies_.reserve(rows.size());
    double allWords = 0;
    for (const SearchRow& row : rows) {
        WordReader words(row.text);
        int depth = 0;
        std::size_t previousEnd = 0;
        float length = 0;
        bool denies = false;
        while (words.next()) {
            denies = denies || isDenial(words.folded());
            depth = depthAfter(std::string_view(row.text).substr(previousEnd, words.begin() - previousEnd), depth);
            previousEnd = words.end();
            auto found = formIds.find(words.folded());
            if (found == formIds.end()) {
                found = formIds.emplace(std::string(words.folded()), static_cast<std::uint32_t>(formsAsFound.size())).first;
                formsAsFound.emplace_back(words.folded());
            }
            spots_.push_back({static_cast<std::uint32_t>(words.begin()), static_cast<std::uint32_t>(words.end()),
                              found->second});
            spotWeights.push_back(depth > 0 ? kAsideWeight : 1.0f);
            if (words.foldedLength() >= kShortestCountedWord) length += spotWeights.back();
        }
        const auto last = row.text.find_last_not_of(" \t");
        asks_.push_back(last != std::string::npos && row.text[last] == '?' ? 1 : 0);
        denies_.push_back(denies ? 1 : 0);
        rowSpotStarts_.push_back(static_cast<std::uint32_t>(spots_.size()));
        rowLengths_.push_back(length);
        allWords += length;
    }
    if (!rows.empty() && allWords > 0) averageRowLength_ = static_cast<float>(allWords / static_cast<double>(rows.size()));

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

    // The word of each form, found once.
    formWords_.reserve(forms_.size());
    for (const std::string& form : forms_) {
        std::string key = groups.keyOf(form, stemmer);
        auto entry = wordIds_.find(key);
        if (entry == wordIds_.end()) {
            entry = wordIds_.emplace(key, static_cast<std::uint32_t>(wordKeys_.size())).first;
            wordKeys_.push_back(std::move(key));
        }
        formWords_.push_back(entry->second);
    }

    std::vector<PostingLists::Entry> formEntries;
    std::vector<PostingLists::Entry> wordEntries;
    formEntries.reserve(spots_.size());
    wordEntries.reserve(spots_.size());
    for (std::uint32_t row = 0; row < rows.size(); ++row) {
        for (std::uint32_t s = rowSpotStarts_[row]; s < rowSpotStarts_[row + 1]; ++s) {
            formEntries.push_back({spots_[s].form, row, 1.0f});
            wordEntries.push_back({formWords_[spots_[s].form], row, spotWeights[s]});
        }
    }
    formRows_ = PostingLists(forms_.size(), formEntries);
    wordRows_ = PostingLists(wordKeys_.size(), wordEntries);
}

std::optional<std::uint32_t> WordTable::wordId(std::string_view key) const {
    const auto found = wordIds_.find(key);
    if (found == wordIds_.end()) return std::nullopt;
    return found->second;
}

bool WordTable::isDenial(std::string_view folded) {
    return std::find(std::begin(kDenials), std::end(kDenials), folded) != std::end(kDenials);
}

std::optional<std::uint32_t> WordTable::formId(std::string_view folded) const {
    const auto found = std::lower_bound(forms_.begin(), forms_.end(), folded,
                                        [](const std::string& form, std::string_view f) { return form < f; });
    if (found == forms_.end() || *found != folded) return std::nullopt;
    return static_cast<std::uint32_t>(found - forms_.begin());
}

WordTable::FormRange WordTable::formsBeginningWith(std::string_view prefix) const {
    const auto first = std::lower_bound(forms_.begin(), forms_.end(), prefix,
                                        [](const std::string& form, std::string_view p) { return form < p; });
    const auto last = std::partition_point(
        first, forms_.end(), [&](const std::string& form) { return std::string_view(form).starts_with(prefix); });
    return {static_cast<std::uint32_t>(first - forms_.begin()), static_cast<std::uint32_t>(last - forms_.begin())};
}

}  // namespace mss::search
