// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counts every allocation made through the global operator new of the
// benchmark program, so a benchmark can tell how many its loop made.

#include <cstdint>

namespace mss::bench {

std::uint64_t allocationCount();

}  // namespace mss::bench
