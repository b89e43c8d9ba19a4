// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For each key (a word form, a word), the rows that hold it, in increasing
// order, stored end to end in one array; with each row, how much of the key
// it holds (the weights of its occurrences added up).

#include <cstdint>
#include <span>
#include <vector>

namespace mss::search {

class PostingLists {
public:
    struct Entry {
        std::uint32_t key;
        std::uint32_t row;
        float weight = 1;
    };

    PostingLists() = default;
    // `entries` come in increasing row order; a row is listed once per key,
    // with the weights of all its entries for the key added up.
    PostingLists(std::size_t keyCount, const std::vector<Entry>& entries);

    std::span<const std::uint32_t> rowsOf(std::uint32_t key) const {
        return {rows_.data() + starts_[key], rows_.data() + starts_[key + 1]};
    }
    // Parallel to rowsOf(key).
    std::span<const float> weightsOf(std::uint32_t key) const {
        return {weights_.data() + starts_[key], weights_.data() + starts_[key + 1]};
    }

private:
    std::vector<std::uint32_t> starts_;  // keyCount + 1 offsets into rows_
    std::vector<std::uint32_t> rows_;
    std::vector<float> weights_;
};

}  // namespace mss::search
