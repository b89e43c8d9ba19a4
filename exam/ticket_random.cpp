// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticket_random.h"

#include <limits>
#include <string>

namespace mss::exam {

std::uint64_t TicketRandom::seedOf(int ticketNumber, std::string_view scopeName) {
    const std::string key = "ticket " + std::to_string(ticketNumber) + " " + std::string(scopeName);
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : key) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::uint64_t TicketRandom::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::size_t TicketRandom::below(std::size_t n) {
    // Numbers past the last whole run of n are drawn again, so that no
    // remainder is favoured.
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % n;
    std::uint64_t x = next();
    while (x >= limit) x = next();
    return static_cast<std::size_t>(x % n);
}

}  // namespace mss::exam
