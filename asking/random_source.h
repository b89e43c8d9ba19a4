// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The randomness of asking: which of several equally urgent cards comes
// first, which wrong meanings are offered, which ticket is drawn at random.
// It is passed in, so that one seed always gives the same questions.

#include <cstddef>
#include <cstdint>
#include <functional>

namespace mss::asking {

using RandomSource = std::function<std::uint64_t()>;

// A source whose numbers depend on the seed alone, on every platform (the
// 64-bit Mersenne twister's raw output is fixed by the C++ standard).
RandomSource seededRandomSource(std::uint64_t seed);

// A number below `n` (n > 0) from the source's next number: its remainder,
// as every draw of the program has always taken it.
inline std::size_t below(const RandomSource& random, std::size_t n) { return static_cast<std::size_t>(random() % n); }

}  // namespace mss::asking
