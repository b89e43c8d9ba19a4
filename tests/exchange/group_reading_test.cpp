// SPDX-License-Identifier: GPL-3.0-or-later
// The groups of a message: what each is, and when two say the same.

#include <gtest/gtest.h>

#include "exchange/group_reading.h"
#include "support/shipped_book.h"

namespace mss::exchange {
namespace {

const std::array<std::string, 2> kShips{"UBKR", "UHTN"};

TEST(GroupReading, TellsSignalsComplementsCallSignsAndSpelledWords) {
    const struct {
        const char* group;
        const char* previous;
        GroupKind kind;
        bool right;
    } cases[] = {
        {"XQ", "", GroupKind::BookSignal, true},
        {"AE1", "", GroupKind::BookSignal, true},
        {"MAA", "", GroupKind::BookSignal, true},
        {"MAJ45", "", GroupKind::BookSignal, true},    // a number the meaning asks for
        {"MBR39.5", "", GroupKind::BookSignal, true},  // with a decimal point
        {"XR8", "", GroupKind::NotInCode, false},      // XR asks for no number, and XR8 is no code
        {"C045", "", GroupKind::Complement, true},
        {"C360", "", GroupKind::Complement, false},  // no such course
        {"C45", "", GroupKind::Complement, false},   // a course has three figures
        {"L6330N", "", GroupKind::Complement, true},
        {"L9130N", "", GroupKind::Complement, false},  // beyond the pole
        {"L6360N", "", GroupKind::Complement, false},  // sixty minutes
        {"L6330E", "", GroupKind::Complement, false},  // a latitude is north or south
        {"G02115E", "", GroupKind::Complement, true},
        {"G2115E", "", GroupKind::Complement, true},  // the hundreds dropped
        {"G18100W", "", GroupKind::Complement, false},
        {"T1400", "", GroupKind::Complement, true},
        {"T2460", "", GroupKind::Complement, false},
        {"D1504", "", GroupKind::Complement, true},
        {"D3213", "", GroupKind::Complement, false},
        {"K0", "", GroupKind::Complement, false},  // Table I has no row 0
        {"S12", "", GroupKind::Complement, true},
        {"UHTN", "", GroupKind::CallSign, true},
        {"RIGA", "UU", GroupKind::SpelledWord, true},  // UU leaves a blank for the port
        {"RIGA", "XQ", GroupKind::NotInCode, false},   // XQ leaves none
        {"RIGA", "", GroupKind::NotInCode, false},
        {"UFPL", "", GroupKind::NotInCode, false},  // a call sign of neither ship
    };
    for (const auto& c : cases) {
        const GroupReading r = readGroupOfMessage(mss::testing::shippedBook(), c.group, c.previous, kShips);
        EXPECT_EQ(r.kind, c.kind) << c.group << " after «" << c.previous << "»";
        EXPECT_EQ(r.problem.empty(), c.right) << c.group << ": " << r.problem;
    }
    EXPECT_EQ(readGroupOfMessage(mss::testing::shippedBook(), "XQ", "", kShips).meaning, "Какая у вас погода?");
}

TEST(GroupReading, ComparesGroupByGroupAndComplementsByValue) {
    const struct {
        Groups given, expected;
        GroupMismatch mismatch;
        std::size_t at;
    } cases[] = {
        {{"C045", "S12"}, {"C045", "S12"}, GroupMismatch::None, 0},
        {{"C045", "S012"}, {"C045", "S12"}, GroupMismatch::None, 0},  // the same speed
        {{"C045", "S13"}, {"C045", "S12"}, GroupMismatch::WrongFigure, 1},
        {{"C45", "S12"}, {"C045", "S12"}, GroupMismatch::WrongFigure, 0},  // a course has three figures
        {{"C046"}, {"C045"}, GroupMismatch::WrongFigure, 0},
        {{"L6330S"}, {"L6330N"}, GroupMismatch::WrongFigure, 0},  // the other hemisphere
        {{"MAJ46"}, {"MAJ45"}, GroupMismatch::WrongFigure, 0},
        {{"XR1"}, {"XR2"}, GroupMismatch::WrongFigure, 0},
        {{"XR"}, {"XQ"}, GroupMismatch::WrongGroup, 0},
        {{"XR"}, {"XR2"}, GroupMismatch::WrongGroup, 0},  // another signal, not another figure
        {{"C045"}, {"C045", "S12"}, GroupMismatch::Missing, 1},
        {{"C045", "S12", "XQ"}, {"C045", "S12"}, GroupMismatch::Extra, 2},
        {{"S12", "C045"}, {"C045", "S12"}, GroupMismatch::WrongGroup, 0},  // order counts
    };
    for (const auto& c : cases) {
        const GroupComparison r = compareGroups(c.given, c.expected);
        EXPECT_EQ(r.mismatch, c.mismatch) << c.given.front();
        if (r.mismatch != GroupMismatch::None) {
            EXPECT_EQ(r.at, c.at) << c.given.front();
        }
    }
}

TEST(GroupReading, SaysWhatAComplementsLetterAsks) {
    EXPECT_EQ(complementProblem("C045"), std::nullopt);
    EXPECT_EQ(complementProblem("XQ"), std::nullopt);
    const auto course = complementProblem("C45");
    ASSERT_TRUE(course.has_value());
    EXPECT_NE(course->find("курс: три цифры"), std::string::npos) << *course;
    const auto latitude = complementProblem("L9130N");
    ASSERT_TRUE(latitude.has_value());
    EXPECT_NE(latitude->find("широта"), std::string::npos) << *latitude;
}

}  // namespace
}  // namespace mss::exchange
