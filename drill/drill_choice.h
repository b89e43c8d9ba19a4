// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the learner drills: a set, a mode and, in the general section, if
// wanted, only the signals of one first letter.

#include "card_key.h"

namespace mss::drill {

struct DrillChoice {
    asking::SignalSet set = asking::SignalSet::Flags;
    asking::AskMode mode = asking::AskMode::RecogniseFlag;
    char firstLetter = 0;  // 'A'..'Z', or 0 for every signal of the set
    friend bool operator==(const DrillChoice&, const DrillChoice&) = default;
};

}  // namespace mss::drill
