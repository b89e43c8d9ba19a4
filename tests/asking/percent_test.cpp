// SPDX-License-Identifier: GPL-3.0-or-later
// Every score of the program in whole percent, a half rounded up.

#include <gtest/gtest.h>

#include <cmath>

#include "asking/percent.h"

namespace mss::asking {
namespace {

TEST(Percent, HalvesRoundUpAndNothingOfNothingIsNothing) {
    const struct {
        int part, whole, percent;
    } cases[] = {
        {0, 0, 0},  {3, 0, 0},   {0, 7, 0},   {7, 7, 100},  {1, 8, 13},  {3, 8, 38},      {1, 3, 33},
        {2, 3, 67}, {1, 200, 1}, {1, 201, 0}, {19, 20, 95}, {9, 10, 90}, {199, 200, 100}, {1, 40, 3},
    };
    for (const auto& c : cases) EXPECT_EQ(percentOf(c.part, c.whole), c.percent) << c.part << " of " << c.whole;
}

TEST(Percent, AgreesWithRoundingTheQuotientForEveryScoreUpToAThousandAnswers) {
    // The scores were once rounded through floating point; no score may change.
    for (int whole = 1; whole <= 1000; ++whole)
        for (int part = 0; part <= whole; ++part)
            ASSERT_EQ(percentOf(part, whole), static_cast<int>(std::lround(100.0 * part / whole)))
                << part << " of " << whole;
}

TEST(Percent, LargeCountsDoNotOverflow) {
    EXPECT_EQ(percentOf(2'000'000'000, 2'000'000'000), 100);
    EXPECT_EQ(percentOf(1'000'000'000, 2'000'000'000), 50);
}

}  // namespace
}  // namespace mss::asking
