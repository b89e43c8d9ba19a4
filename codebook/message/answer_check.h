// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A learner's message held against the right one, group by group: which
// group differs and what the mistake is, named in Russian. Standard library
// only.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mss::codebook::message {

enum class Mistake : std::uint8_t {
    None,
    MissingGroup,         // the answer ends before this group
    ExtraGroup,           // the answer has a group past the end of the message
    WrongGroup,           // another group altogether
    WrongFigure,          // the same letters, a figure wrong, missing or one too many
    MissingHemisphere,    // N or S, E or W left out where the message has it
    WrongHemisphere,      // N for S, E for W, or the other way round
    SubstituteMisplaced,  // the flags: a substitute where another flag belongs, or the wrong substitute
    NoHoist,              // the flags: no hoist of one set at all (a flag twice, a substitute with nothing to repeat)
};

struct GroupVerdict {
    std::size_t group = 0;  // the place in the message, from 0
    Mistake mistake = Mistake::None;
    std::string expected;     // the right group; empty for an extra one
    std::string given;        // the learner's group; empty for a missing one
    std::string explanation;  // in Russian, empty when right: «в группе L6330N не хватает N или S»
    bool right() const { return mistake == Mistake::None; }
};

// Both messages as the program writes groups (Latin capitals, '.' for the
// decimal point); the groups are compared place by place. One verdict per
// place of the longer message.
std::vector<GroupVerdict> compareMessages(std::span<const std::string> expected, std::span<const std::string> given);

// One group as the learner raised it, flags top first (each 0..39), held
// against the right group.
GroupVerdict judgeRaisedGroup(std::string_view expected, std::span<const int> flags);

// The mistake in a few words, for a summary: «неверная цифра», «нет N/S или E/W», …
std::string_view mistakeName(Mistake mistake);

}  // namespace mss::codebook::message
