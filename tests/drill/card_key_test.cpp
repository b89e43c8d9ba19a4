// SPDX-License-Identifier: GPL-3.0-or-later
// The names the progress file keeps for sets and modes.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "drill/card_key.h"

namespace mss::drill {
namespace {

TEST(CardKey, SetsAndModesKeepTheirStoredNames) {
    // These names are in learners' progress files: changing one loses progress.
    EXPECT_EQ(storedName(DrillSet::Flags), "flags");
    EXPECT_EQ(storedName(DrillSet::SingleLetter), "single");
    EXPECT_EQ(storedName(DrillSet::General), "general");
    EXPECT_EQ(storedName(DrillSet::Medical), "medical");
    EXPECT_EQ(storedName(DrillSet::Tables), "tables");
    EXPECT_EQ(storedName(DrillMode::RecogniseFlag), "flag");
    EXPECT_EQ(storedName(DrillMode::Meaning), "meaning");
    EXPECT_EQ(storedName(DrillMode::Compose), "compose");
}

TEST(CardKey, EveryStoredNameReadsBackAndOthersAreRefused) {
    for (DrillSet set : kAllSets) EXPECT_EQ(drillSetNamed(storedName(set)), set);
    for (DrillMode mode : kAllModes) EXPECT_EQ(drillModeNamed(storedName(mode)), mode);
    for (const char* unknown : {"", "Flags", "flag", "general ", "ships"})
        EXPECT_FALSE(drillSetNamed(unknown)) << '"' << unknown << '"';
    for (const char* unknown : {"", "Meaning", "flags", "hoist"})
        EXPECT_FALSE(drillModeNamed(unknown)) << '"' << unknown << '"';
}

TEST(CardKey, KeysDifferingInOnePartAreDifferentCards) {
    const CardKey base{DrillSet::General, DrillMode::Meaning, "AE1"};
    const CardKey others[] = {
        {DrillSet::Medical, DrillMode::Meaning, "AE1"},
        {DrillSet::General, DrillMode::Compose, "AE1"},
        {DrillSet::General, DrillMode::Meaning, "AE"},
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
