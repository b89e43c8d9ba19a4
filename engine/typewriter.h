// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every keyboard lays its 36 flag keys out in the rows of a typewriter:
// digits, then three rows of letters. Reading order is row by row, left to
// right. The rows and the Russian letters on their keys are the code book's
// (codebook/key_rows.h), where a typed code is read.

#include <cstddef>

#include "codebook/flag_catalogue.h"
#include "codebook/key_rows.h"

namespace mss::engine {

using codebook::kRussianLayoutRows;
using codebook::kTypewriterRows;
using codebook::symbolUnderRussianLetter;

constexpr std::size_t typewriterKeyCount() {
    std::size_t n = 0;
    for (auto row : kTypewriterRows) n += row.size();
    return n;
}

// Every flag of the catalogue has one key.
static_assert(typewriterKeyCount() == codebook::kFlagCount);

}  // namespace mss::engine
