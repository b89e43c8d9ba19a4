// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A set of row numbers of the index, one bit per row: the search narrows the
// rows word by word with intersections, which on 1,879 rows are a few dozen
// machine words each.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mss::search {

class RowSet {
public:
    explicit RowSet(std::size_t rowCount, bool full = false)
        : rowCount_(rowCount), bits_((rowCount + 63) / 64, full ? ~std::uint64_t{0} : 0) {
        if (full) clearPastTheEnd();
    }

    void insert(std::size_t row) { bits_[row / 64] |= bit(row); }
    void erase(std::size_t row) { bits_[row / 64] &= ~bit(row); }
    bool contains(std::size_t row) const { return (bits_[row / 64] & bit(row)) != 0; }

    void keepOnly(const RowSet& other) {
        for (std::size_t i = 0; i < bits_.size(); ++i) bits_[i] &= other.bits_[i];
    }
    void insertAll(const RowSet& other) {
        for (std::size_t i = 0; i < bits_.size(); ++i) bits_[i] |= other.bits_[i];
    }
    void remove(const RowSet& other) {
        for (std::size_t i = 0; i < bits_.size(); ++i) bits_[i] &= ~other.bits_[i];
    }

    bool empty() const {
        for (std::uint64_t word : bits_)
            if (word != 0) return false;
        return true;
    }
    std::size_t count() const {
        std::size_t n = 0;
        for (std::uint64_t word : bits_) n += static_cast<std::size_t>(std::popcount(word));
        return n;
    }

    // Calls visit(row) for each row in increasing order while it returns true.
    template <class Visit>
    void forEach(Visit visit) const {
        for (std::size_t i = 0; i < bits_.size(); ++i) {
            std::uint64_t word = bits_[i];
            while (word != 0) {
                const std::size_t row = i * 64 + static_cast<std::size_t>(std::countr_zero(word));
                if (!visit(row)) return;
                word &= word - 1;
            }
        }
    }

private:
    static std::uint64_t bit(std::size_t row) { return std::uint64_t{1} << (row % 64); }
    void clearPastTheEnd() {
        if (rowCount_ % 64 != 0) bits_.back() &= (std::uint64_t{1} << (rowCount_ % 64)) - 1;
    }

    std::size_t rowCount_;
    std::vector<std::uint64_t> bits_;
};

}  // namespace mss::search
