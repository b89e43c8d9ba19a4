// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every word of every row's text: where it stands, its folded form and its
// stem, and which rows hold each form and each stem.
//
// Forms are numbered in sorted order, so the forms that begin with a typed
// prefix are one range of numbers.

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
    };

    WordTable() = default;
    WordTable(const std::vector<SearchRow>& rows, RussianStemmer& stemmer);

    std::span<const Spot> spotsOf(std::size_t row) const {
        return {spots_.data() + rowSpotStarts_[row], spots_.data() + rowSpotStarts_[row + 1]};
    }

    std::optional<std::uint32_t> stemId(std::string_view stem) const;
    std::uint32_t stemOfForm(std::uint32_t form) const { return formStems_[form]; }
    std::span<const std::uint32_t> rowsWithStem(std::uint32_t stem) const { return stemRows_.rowsOf(stem); }
    std::span<const std::uint32_t> rowsWithForm(std::uint32_t form) const { return formRows_.rowsOf(form); }
    FormRange formsBeginningWith(std::string_view prefix) const;

private:
    struct StringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using IdsByString = std::unordered_map<std::string, std::uint32_t, StringHash, std::equal_to<>>;

    std::vector<Spot> spots_;
    std::vector<std::uint32_t> rowSpotStarts_{0};
    std::vector<std::string> forms_;  // sorted
    std::vector<std::uint32_t> formStems_;
    IdsByString stemIds_;
    PostingLists formRows_;
    PostingLists stemRows_;
};

}  // namespace mss::search
