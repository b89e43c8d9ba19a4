// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The randomness of the drill: which of several equally urgent cards comes
// first. It is passed in, so that one seed always gives the same order.

#include <cstdint>
#include <functional>

namespace mss::drill {

using RandomSource = std::function<std::uint64_t()>;

// A source whose numbers depend on the seed alone, on every platform (the
// 64-bit Mersenne twister's raw output is fixed by the C++ standard).
RandomSource seededRandomSource(std::uint64_t seed);

}  // namespace mss::drill
