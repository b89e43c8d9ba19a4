// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally.h"

namespace mss::drill {

void Tally::count(const CardKey& card, const std::string& given, bool correct) {
    ++asked;
    if (correct) {
        ++right;
        ++streak;
    } else {
        streak = 0;
        mistakes.push_back({card, given});
    }
}

}  // namespace mss::drill
