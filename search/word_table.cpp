// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_table.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "utf8_decoder.h"
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

// Stems shorter than this are too alike to take one for another one letter longer.
constexpr std::size_t kShortestNearStem = 5;

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

    // The word of each form, found once. A stem that differs from another
    // of the book only by a fleeting vowel («шлюпок», «шлюпк») is that word.
    std::vector<std::string> formKeys;
    formKeys.reserve(forms_.size());
    for (const std::string& form : forms_) formKeys.push_back(groups.keyOf(form, stemmer));
    std::unordered_map<std::string, std::string> alias;
    {
        const std::set<std::string> keys(formKeys.begin(), formKeys.end());
        for (const std::string& key : keys)
            if (const std::string other = withoutFleetingVowel(key); !other.empty() && keys.count(other) > 0)
                alias.emplace(key, other);
    }
    formWords_.reserve(forms_.size());
    for (std::string& key : formKeys) {
        const auto aliased = alias.find(key);
        std::string word = aliased == alias.end() ? key : aliased->second;
        auto entry = wordIds_.find(word);
        if (entry == wordIds_.end()) {
            entry = wordIds_.emplace(word, static_cast<std::uint32_t>(wordKeys_.size())).first;
            wordKeys_.push_back(std::move(word));
        }
        if (aliased != alias.end()) wordIds_.emplace(key, entry->second);
        formWords_.push_back(entry->second);
    }
    sortedKeys_.reserve(wordIds_.size());
    for (const auto& [key, id] : wordIds_) sortedKeys_.push_back(key);
    std::sort(sortedKeys_.begin(), sortedKeys_.end());

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

std::string WordTable::withoutFleetingVowel(std::string_view key) {
    // A consonant, о, е or ё, and a last consonant: «шлюпок», «ветер», «огон».
    std::u32string letters;
    for (std::size_t at = 0; at < key.size();) {
        const DecodedChar c = decodeUtf8At(key, at);
        letters.push_back(c.codePoint);
        at += c.length;
    }
    const auto consonant = [](char32_t c) {
        return c >= U'б' && c <= U'щ' && std::u32string_view(U"еиоуъыь").find(c) == std::u32string_view::npos;
    };
    const std::size_t n = letters.size();
    if (n < 4 || !consonant(letters[n - 1]) || !consonant(letters[n - 3])) return {};
    if (letters[n - 2] != U'о' && letters[n - 2] != U'е' && letters[n - 2] != U'ё') return {};
    letters.erase(n - 2, 1);
    std::string out;
    for (char32_t c : letters) appendUtf8(out, c);
    return out;
}

std::vector<std::uint32_t> WordTable::wordsNear(std::string_view key) const {
    // Another ending the stemmer keeps: «дрейфу» (дрейфуем) is «дрейф»
    // (дрейфую); «лоцма» is «лоцман»; and a fleeting vowel either way.
    std::vector<std::uint32_t> words;
    const auto add = [&](std::string_view other) {
        if (const auto id = wordId(other); id && std::find(words.begin(), words.end(), *id) == words.end())
            words.push_back(*id);
    };
    if (key.empty() || key.front() == '=') return words;
    if (const std::string other = withoutFleetingVowel(key); !other.empty()) add(other);
    std::size_t letters = 0;
    std::size_t lastLetter = 0;
    for (std::size_t at = 0; at < key.size();) {
        lastLetter = at;
        at += decodeUtf8At(key, at).length;
        ++letters;
    }
    if (letters > kShortestNearStem) add(key.substr(0, lastLetter));
    if (letters >= kShortestNearStem) {
        for (auto it = std::lower_bound(sortedKeys_.begin(), sortedKeys_.end(), key);
             it != sortedKeys_.end() && it->starts_with(key); ++it) {
            const std::string_view rest = std::string_view(*it).substr(key.size());
            if (!rest.empty() && decodeUtf8At(rest, 0).length == rest.size()) add(*it);
        }
    }
    return words;
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
