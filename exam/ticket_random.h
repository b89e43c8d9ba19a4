// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The randomness of a numbered ticket. The same number, scope and length
// must give the same questions on every machine, so nothing here comes from
// the standard library's engines or distributions, whose results differ
// between implementations: the generator is SplitMix64 and the sampling is
// written out below.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace mss::exam {

class TicketRandom {
public:
    explicit TicketRandom(std::uint64_t seed) : state_(seed) {}

    // The seed of a ticket: its number and scope, hashed (FNV-1a).
    static std::uint64_t seedOf(int ticketNumber, std::string_view scopeName);

    std::uint64_t next();
    // A number in [0, n), every one equally likely (n > 0).
    std::size_t below(std::size_t n);

    // Shuffles in place, every order equally likely (Fisher–Yates).
    template <class T>
    void shuffle(std::vector<T>& items) {
        for (std::size_t left = items.size(); left > 1; --left) std::swap(items[below(left)], items[left - 1]);
    }

private:
    std::uint64_t state_;
};

}  // namespace mss::exam
