// SPDX-License-Identifier: GPL-3.0-or-later
#include "posting_lists.h"

#include <limits>

namespace mss::search {

PostingLists::PostingLists(std::size_t keyCount, const std::vector<Entry>& entries) : starts_(keyCount + 1, 0) {
    constexpr std::uint32_t kNoRow = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> lastRow(keyCount, kNoRow);
    for (const Entry& e : entries) {
        if (lastRow[e.key] == e.row) continue;
        lastRow[e.key] = e.row;
        ++starts_[e.key + 1];
    }
    for (std::size_t key = 0; key < keyCount; ++key) starts_[key + 1] += starts_[key];

    rows_.resize(starts_[keyCount]);
    weights_.resize(starts_[keyCount]);
    std::vector<std::uint32_t> fill(starts_.begin(), starts_.end() - 1);
    lastRow.assign(keyCount, kNoRow);
    for (const Entry& e : entries) {
        if (lastRow[e.key] == e.row) {
            weights_[fill[e.key] - 1] += e.weight;
            continue;
        }
        lastRow[e.key] = e.row;
        rows_[fill[e.key]] = e.row;
        weights_[fill[e.key]++] = e.weight;
    }
}

}  // namespace mss::search
