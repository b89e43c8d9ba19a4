// SPDX-License-Identifier: GPL-3.0-or-later
// A card is one signal of one set in one mode.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "drill/card_key.h"

namespace mss::drill {
namespace {

using asking::AskMode;
using asking::SignalSet;

TEST(CardKey, KeysDifferingInOnePartAreDifferentCards) {
    const CardKey base{SignalSet::General, AskMode::Meaning, "AE1"};
    const CardKey others[] = {
        {SignalSet::Medical, AskMode::Meaning, "AE1"},
        {SignalSet::General, AskMode::Compose, "AE1"},
        {SignalSet::General, AskMode::Meaning, "AE"},
    };
    std::set<std::size_t> hashes{CardKeyHash{}(base)};
    for (const CardKey& other : others) {
        EXPECT_NE(base, other) << describe(other);
        hashes.insert(CardKeyHash{}(other));
    }
    EXPECT_EQ(hashes.size(), 4u) << "keys differing only in set or mode share a hash";
    EXPECT_EQ(describe(base), "general/meaning/AE1");
}

}  // namespace
}  // namespace mss::drill
