// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every keyboard lays its 36 flag keys out in the rows of a typewriter:
// digits, then three rows of letters. Reading order is row by row, left to
// right.

#include <array>
#include <cstddef>
#include <string_view>

#include "codebook/flag_catalogue.h"

namespace mss::engine {

inline constexpr std::array<std::string_view, 4> kTypewriterRows{"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};

constexpr std::size_t typewriterKeyCount() {
    std::size_t n = 0;
    for (auto row : kTypewriterRows) n += row.size();
    return n;
}

// Every flag of the catalogue has one key.
static_assert(typewriterKeyCount() == codebook::kFlagCount);

}  // namespace mss::engine
