// SPDX-License-Identifier: GPL-3.0-or-later
// Where a message given differs from the one expected, as an exchange
// judges it: the grammar's verdict, and a number matched by its value.

#include <gtest/gtest.h>

#include "exchange/message_match.h"

namespace mss::exchange {
namespace {

using codebook::message::Mistake;

TEST(MessageMatch, FindsTheFirstDifferenceAndMatchesANumberByItsValue) {
    const struct {
        Groups expected, given;
        std::optional<Mistake> mistake;  // nothing: the same
        std::size_t at;
    } cases[] = {
        {{"C045", "S12"}, {"C045", "S12"}, std::nullopt, 0},
        {{"C045", "S12"}, {"C045", "S012"}, std::nullopt, 0},  // the same speed
        {{"R5"}, {"R05"}, std::nullopt, 0},
        {{"S12.5"}, {"S012.5"}, std::nullopt, 0},
        {{"S0.5"}, {"S.5"}, Mistake::WrongFigure, 0},  // no decimal point before its digit
        {{"S12"}, {"S13"}, Mistake::WrongFigure, 0},
        {{"C045"}, {"C45"}, Mistake::WrongFigure, 0},        // a course has three figures: no value match
        {{"G02115E"}, {"G2115E"}, Mistake::WrongFigure, 0},  // both right, but another message
        {{"L6330N"}, {"L6330S"}, Mistake::WrongHemisphere, 0},
        {{"L6330N"}, {"L6330"}, Mistake::MissingHemisphere, 0},
        {{"MAJ45"}, {"MAJ045"}, Mistake::WrongFigure, 0},  // a number after letters is no complement
        {{"C045", "S12"}, {"C045"}, Mistake::MissingGroup, 1},
        {{"XQ"}, {"XQ", "XR"}, Mistake::ExtraGroup, 1},
        {{"XQ"}, {"XR"}, Mistake::WrongGroup, 0},
    };
    for (const auto& c : cases) {
        const auto difference = firstDifference(c.expected, c.given);
        ASSERT_EQ(difference.has_value(), c.mistake.has_value()) << c.given.back();
        if (difference) {
            EXPECT_EQ(difference->mistake, *c.mistake) << c.given.back();
            EXPECT_EQ(difference->group, c.at) << c.given.back();
        }
    }
}

TEST(MessageMatch, SaysWhyAHalyardCannotFly) {
    EXPECT_EQ(halyardRefusal({"C045", "S12"}), std::nullopt);
    EXPECT_EQ(halyardRefusal({"UU", "RIGA"}), std::nullopt);
    const auto twoZeros = halyardRefusal({"C270", "S10"});
    ASSERT_TRUE(twoZeros.has_value());
    EXPECT_NE(twoZeros->find("C270 и S10"), std::string::npos) << *twoZeros;
    const auto fourthSubstitute = halyardRefusal({"HH77"});
    ASSERT_TRUE(fourthSubstitute.has_value());
    EXPECT_NE(fourthSubstitute->find("HH77"), std::string::npos) << *fourthSubstitute;
    EXPECT_TRUE(halyardRefusal({}).has_value());
}

}  // namespace
}  // namespace mss::exchange
