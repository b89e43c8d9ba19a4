// SPDX-License-Identifier: GPL-3.0-or-later
// The names the progress file keeps for sets and modes.

#include <gtest/gtest.h>

#include "asking/signal_set.h"

namespace mss::asking {
namespace {

TEST(SignalSet, SetsAndModesKeepTheirStoredNames) {
    // These names are in learners' progress files: changing one loses progress.
    EXPECT_EQ(storedName(SignalSet::Flags), "flags");
    EXPECT_EQ(storedName(SignalSet::SingleLetter), "single");
    EXPECT_EQ(storedName(SignalSet::General), "general");
    EXPECT_EQ(storedName(SignalSet::Medical), "medical");
    EXPECT_EQ(storedName(SignalSet::Tables), "tables");
    EXPECT_EQ(storedName(AskMode::RecogniseFlag), "flag");
    EXPECT_EQ(storedName(AskMode::Meaning), "meaning");
    EXPECT_EQ(storedName(AskMode::Compose), "compose");
}

TEST(SignalSet, EveryStoredNameReadsBackAndOthersAreRefused) {
    for (SignalSet set : kAllSets) EXPECT_EQ(signalSetNamed(storedName(set)), set);
    for (AskMode mode : kAllModes) EXPECT_EQ(askModeNamed(storedName(mode)), mode);
    for (const char* unknown : {"", "Flags", "flag", "general ", "ships"})
        EXPECT_FALSE(signalSetNamed(unknown)) << '"' << unknown << '"';
    for (const char* unknown : {"", "Meaning", "flags", "hoist"})
        EXPECT_FALSE(askModeNamed(unknown)) << '"' << unknown << '"';
}

}  // namespace
}  // namespace mss::asking
