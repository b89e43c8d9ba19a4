// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every word of every row's text: where it stands, its folded form and the
// word (WordGroups) it is a form of (stems that differ only by a fleeting
// vowel, «шлюпок» and «шлюпки», are one word), which rows hold each form and each word,
// and how long each row is, in words.
//
// Forms are numbered in sorted order, so the forms that begin with a typed
// prefix are one range of numbers. A word inside parentheses or brackets
// («(или указываемое судно)») is an aside and weighs half as much in the
// rows that hold it. A row's length counts its words of three letters and
// more, an aside's by half: «у меня», «я на» make no statement longer.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "posting_lists.h"
#include "search_row.h"

namespace mss::search {

class RussianStemmer;
class WordGroups;

class WordTable {
public:
    struct Spot {
        std::uint32_t begin;  // bytes [begin, end) of the row's text
        std::uint32_t end;
        std::uint32_t form;
    };
    struct FormRange {
        std::uint32_t first = 0;  // forms [first, last)
        std::uint32_t last = 0;
        bool contains(std::uint32_t form) const { return form >= first && form < last; }
        bool empty() const { return first == last; }
    };

    static constexpr float kAsideWeight = 0.5f;

    WordTable() = default;
    WordTable(const std::vector<SearchRow>& rows, const WordGroups& groups, RussianStemmer& stemmer);

    std::size_t rowCount() const { return rowLengths_.size(); }
    std::span<const Spot> spotsOf(std::size_t row) const {
        return {spots_.data() + rowSpotStarts_[row], spots_.data() + rowSpotStarts_[row + 1]};
    }
    float rowLength(std::size_t row) const { return rowLengths_[row]; }
    float averageRowLength() const { return averageRowLength_; }
    // Whether the row's text asks something (ends with a question mark).
    bool asks(std::size_t row) const { return asks_[row] != 0; }
    // Whether the row's text denies something: it has «не», «нет» or «ни».
    bool denies(std::size_t row) const { return denies_[row] != 0; }
    static bool isDenial(std::string_view folded);

    // Words, by their WordGroups key.
    std::optional<std::uint32_t> wordId(std::string_view key) const;
    // For a key the rows do not have: words whose stem is the same but for a
    // fleeting vowel or one more or one less letter of its ending
    // («дрейфуем» → «дрейфую»), where the stems are long enough to tell.
    std::vector<std::uint32_t> wordsNear(std::string_view key) const;
    // «шлюпок» → «шлюпк», «огон» → «огн»; empty when the key has no fleeting vowel.
    static std::string withoutFleetingVowel(std::string_view key);
    std::size_t wordCount() const { return wordKeys_.size(); }
    const std::string& wordKey(std::uint32_t word) const { return wordKeys_[word]; }
    std::span<const std::uint32_t> rowsWithWord(std::uint32_t word) const { return wordRows_.rowsOf(word); }
    std::span<const float> weightsOfWord(std::uint32_t word) const { return wordRows_.weightsOf(word); }

    // Forms, as they stand in the texts, folded.
    std::size_t formCount() const { return forms_.size(); }
    const std::string& form(std::uint32_t form) const { return forms_[form]; }
    std::uint32_t wordOfForm(std::uint32_t form) const { return formWords_[form]; }
    std::span<const std::uint32_t> rowsWithForm(std::uint32_t form) const { return formRows_.rowsOf(form); }
    FormRange formsBeginningWith(std::string_view prefix) const;
    std::optional<std::uint32_t> formId(std::string_view folded) const;

private:
    struct StringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using IdsByString = std::unordered_map<std::string, std::uint32_t, StringHash, std::equal_to<>>;

    std::vector<Spot> spots_;
    std::vector<std::uint32_t> rowSpotStarts_{0};
    std::vector<float> rowLengths_;
    std::vector<std::uint8_t> asks_;
    std::vector<std::uint8_t> denies_;
    float averageRowLength_ = 1;
    std::vector<std::string> forms_;  // sorted
    std::vector<std::uint32_t> formWords_;
    IdsByString wordIds_;             // also a key that differs by a fleeting vowel
    std::vector<std::string> sortedKeys_;  // of wordIds_
    std::vector<std::string> wordKeys_;
    PostingLists formRows_;
    PostingLists wordRows_;
};

}  // namespace mss::search
