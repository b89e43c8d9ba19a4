// SPDX-License-Identifier: GPL-3.0-or-later
// Groups on one halyard with a tackline between them, and a message split
// into as many hoists as its sets of flags need.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codebook/message/halyard.h"
#include "codebook/signal_flags.h"

using namespace mss::codebook;
using namespace mss::codebook::message;

namespace {

std::vector<std::string> groups(std::initializer_list<const char*> texts) { return {texts.begin(), texts.end()}; }

// The flags of a group, top first, written as symbols, a substitute as its number: "L2320".
std::string written(const FlownHoist& hoist) {
    std::string s;
    for (const FlownFlag& f : hoist)
        s += isSubstitute(f.flag) ? static_cast<char>('0' + substituteNumber(f.flag)) + std::string("*")
                                  : std::string(1, f.standsFor);
    return s;
}

}  // namespace

TEST(Halyard, EachGroupCountsItsSubstitutesAfreshBelowTheTackline) {
    // AA alone takes the 1st substitute; BB under a tackline takes it again
    // as its own count would, but the set has one 1st substitute only.
    const auto twoRepeats = groups({"AA", "BB"});
    const Halyard clash = flyOnOneHalyard(twoRepeats);
    ASSERT_FALSE(clash.ok());
    EXPECT_EQ(clash.refusal->group, 1u);
    EXPECT_EQ(clash.refusal->flag, substituteFlag(1));
    EXPECT_EQ(clash.refusal->takenBy, 0u);
    // Across a tackline a substitute never repeats the group above: in XY
    // then XZ the second X is a flag of its own, and the set has one X.
    const auto repeatedAcross = groups({"XY", "XZ"});
    const Halyard across = flyOnOneHalyard(repeatedAcross);
    ASSERT_FALSE(across.ok());
    EXPECT_EQ(across.refusal->flag, *flagIndexOfSymbol('X'));
    // C045 and S12 share no flag: one halyard, each group's flags apart.
    const auto courseAndSpeed = groups({"C045", "S12"});
    const Halyard both = flyOnOneHalyard(courseAndSpeed);
    ASSERT_TRUE(both.ok());
    ASSERT_EQ(both.flags.size(), 2u);
    EXPECT_EQ(written(both.flags[0]), "C045");
    EXPECT_EQ(written(both.flags[1]), "S12");
    // Substitutes of different numbers in two groups fly together.
    const auto substitutes = groups({"L2330", "AA"});
    const Halyard mixed = flyOnOneHalyard(substitutes);
    ASSERT_TRUE(mixed.ok()) << halyardRefusalText(substitutes, *mixed.refusal);
    EXPECT_EQ(written(mixed.flags[0]), "L232*0");
    EXPECT_EQ(written(mixed.flags[1]), "A1*");
}

TEST(Halyard, AGroupThatNoSetFliesIsRefusedForItself) {
    const auto message = groups({"C045", "HH77"});
    const Halyard h = flyOnOneHalyard(message);
    ASSERT_FALSE(h.ok());
    EXPECT_EQ(h.refusal->group, 1u);
    ASSERT_TRUE(h.refusal->ofGroup.has_value());
    EXPECT_EQ(halyardRefusalText(message, *h.refusal).rfind("Группу HH77 не поднять одним набором флагов. ", 0), 0u);
}

TEST(Halyard, TheRefusalNamesTheFlagAndBothGroups) {
    const auto message = groups({"C045", "S05"});
    const Halyard h = flyOnOneHalyard(message);
    ASSERT_FALSE(h.ok());
    EXPECT_EQ(halyardRefusalText(message, *h.refusal),
              "Группы C045 и S05 на одном фале не поднять одним набором флагов: вымпел 0 нужен обеим, а в наборе "
              "он один.");
}

TEST(Halyard, AMessageTooLongForOneSetIsSplitIntoHoists) {
    struct Case {
        std::vector<std::string> message;
        std::vector<std::vector<std::string>> hoists;
    };
    const Case cases[] = {
        {{"EV", "L6330N", "G02115E", "C045", "S12"}, {{"EV", "L6330N"}, {"G02115E"}, {"C045", "S12"}}},
        {{"C045", "S12"}, {{"C045", "S12"}}},
        {{"AA", "BB", "CC"}, {{"AA"}, {"BB"}, {"CC"}}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        const HoistSplit split = splitIntoHoists(c.message);
        ASSERT_TRUE(split.ok());
        ASSERT_EQ(split.hoists.size(), c.hoists.size()) << ::testing::PrintToString(c.message);
        for (std::size_t i = 0; i < c.hoists.size(); ++i) {
            EXPECT_EQ(split.hoists[i].groups, c.hoists[i]) << "hoist " << i;
            // Each hoist is one halyard one set can make.
            EXPECT_TRUE(flyOnOneHalyard(split.hoists[i].groups).ok()) << "hoist " << i;
        }
    }
    const auto unflyable = groups({"C045", "NONNN", "S12"});
    const HoistSplit refused = splitIntoHoists(unflyable);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.refusal->group, 1u);
    ASSERT_EQ(refused.hoists.size(), 1u);
    EXPECT_EQ(refused.hoists[0].groups, groups({"C045"}));
}
