// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A share in whole percent, as every score of the program shows it.

namespace mss::asking {

// `part` of `whole` in percent, a half rounded up (1 of 8 is 13 %); 0 when
// `whole` is 0. Both are counts, never negative.
constexpr int percentOf(int part, int whole) {
    if (whole <= 0) return 0;
    return static_cast<int>((200LL * part + whole) / (2LL * whole));
}

}  // namespace mss::asking
