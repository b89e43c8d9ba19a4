// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include <random>

namespace mss::asking {

RandomSource seededRandomSource(std::uint64_t seed) {
    return [engine = std::mt19937_64(seed)]() mutable { return engine(); };
}

}  // namespace mss::asking
