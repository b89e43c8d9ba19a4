// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a group of a message is, and whether two groups say the same: a
// signal of the code book (with the number its meaning asks for, MAJ45), a
// single-letter signal with its complement (C045, L6330N), a ship's call
// sign, or a word spelled out where the group before leaves a blank for it.
// Standard library only.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "codebook/codebook.h"
#include "exchange_types.h"

namespace mss::exchange {

enum class GroupKind { BookSignal, Complement, CallSign, SpelledWord, NotInCode };

struct GroupReading {
    GroupKind kind = GroupKind::NotInCode;
    std::string meaning;  // the book's text for a signal; empty otherwise
    std::string problem;  // in Russian: why a complement or a group is wrong; empty when it is right
};

// A group as it stands on a halyard after `previous` (empty for the first).
GroupReading readGroupOfMessage(const codebook::CodeBook& book, std::string_view group, std::string_view previous,
                                const std::array<std::string, 2>& callSigns);

// How a group given differs from the one expected.
enum class GroupMismatch {
    None,
    WrongGroup,   // another signal altogether
    WrongFigure,  // the same letters with another figure: a complement, a number
    Missing,      // fewer groups than expected
    Extra,        // more groups than expected
};

struct GroupComparison {
    GroupMismatch mismatch = GroupMismatch::None;
    std::size_t at = 0;  // the place, from 0, of the first group that differs
    bool same() const { return mismatch == GroupMismatch::None; }
};

// Group by group. Complements match by their letter and value: S12 and
// S012 say the same speed; a figure the letter's rule does not allow
// (C45 for a course, L9130 for a latitude) never matches.
GroupComparison compareGroups(const Groups& given, const Groups& expected);

// Why a single-letter signal with figures breaks its letter's rule, in
// Russian; nothing when it keeps it or is no such group.
std::optional<std::string> complementProblem(std::string_view group);

}  // namespace mss::exchange
