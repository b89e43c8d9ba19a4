// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a drill question is about: one signal of one set, asked in one mode,
// the card the Leitner boxes move.

#include <cstddef>
#include <string>

#include "asking/signal_set.h"

namespace mss::drill {

struct CardKey {
    asking::SignalSet set = asking::SignalSet::Flags;
    asking::AskMode mode = asking::AskMode::RecogniseFlag;
    std::string code;  // "A", "AE1", "MAA", "I-3"; the flag symbol for the flags set

    friend bool operator==(const CardKey&, const CardKey&) = default;
    friend auto operator<=>(const CardKey&, const CardKey&) = default;
};

struct CardKeyHash {
    std::size_t operator()(const CardKey& key) const noexcept;
};

// "general/meaning/AE1", for messages and test output.
std::string describe(const CardKey& key);

}  // namespace mss::drill
