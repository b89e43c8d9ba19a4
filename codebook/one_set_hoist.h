// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A group as one set of flags flies it. A ship carries each flag once, so a
// group that repeats a character hoists a substitute in its place, by the
// rules of the 1965 code:
//
//   - the 1st, 2nd or 3rd substitute repeats the 1st, 2nd or 3rd flag from
//     the top of the class of the flag right above it: letters and numerals
//     are counted apart, and a substitute counts in the class of the
//     character it repeats;
//   - the answering pennant is the decimal point; it is not counted, and a
//     substitute under it looks past it to the flag above;
//   - each substitute flies at most once; of those that could repeat the
//     character, the lowest-numbered free one is taken.
//
//   AA    → A, 1-й заменяющий          MAA   → M, A, 2-й заменяющий
//   NOON  → N, O, 2-й, 1-й             L2330 → L, 2, 3, 2-й, 0
//   22.2  → 2, 1-й, ответный вымпел, 2-й
//
// A group is capital Latin letters, digits and at most one decimal point '.'
// between two digits. What the program says about a hoist in Russian is in
// hoist_words.h. Standard library only.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mss::codebook {

// A flag as it flies in a hoist: which of the forty (signal_flags.h) and the
// character of the group it gives.
struct FlownFlag {
    int flag = 0;        // 0..39
    char standsFor = 0;  // 'A'..'Z', '0'..'9' or '.'; for a substitute, the character it repeats
    bool operator==(const FlownFlag&) const = default;
};

// The flags of one hoist, top first.
using FlownHoist = std::vector<FlownFlag>;

// Why a group cannot fly in one hoist of one set, or why flags are no such hoist.
enum class HoistProblem {
    NotAGroup,             // empty, or a character that is no letter, digit or '.'
    SubstituteTaken,       // the one substitute that could repeat the character already repeats another
    AcrossClasses,         // a repeated letter right under a numeral, or a repeated digit right under a letter
    BelowThirdPlace,       // the character's flag stands below the third place of its class
    FourthSubstitute,      // the character's last repeat stands below the third place: a 4th substitute is needed
    TwoDecimalPoints,
    DecimalPointMisplaced,  // a decimal point not between two digits
    // Only for flags read as a hoist:
    FlagTwice,             // one flag of the set hoisted twice
    NothingToRepeat,       // a substitute with no letter or numeral above it
    PlaceNotHoisted,       // the n-th substitute under fewer than n flags of the class above
};

struct HoistRefusal {
    HoistProblem problem = HoistProblem::NotAGroup;
    std::size_t at = 0;        // the place, from 0, of the character or flag that cannot go up
    char character = 0;        // that character (NotAGroup: 0 for an empty group or a byte that is no ASCII)
    int flag = -1;             // FlagTwice: the flag; SubstituteTaken, PlaceNotHoisted: the substitute
    char takenBy = 0;          // SubstituteTaken: what the substitute repeats already
    bool amongLetters = true;  // the class counted: BelowThirdPlace, FourthSubstitute, PlaceNotHoisted,
                               // and for AcrossClasses the class of the flag above
    int place = 0;             // BelowThirdPlace: the place of the flag in its class (4, 5, …);
                               // PlaceNotHoisted: how many flags of the class stand above
};

struct EncodedHoist {
    FlownHoist flags;                     // empty when refused
    std::optional<HoistRefusal> refusal;  // why the group cannot fly in one hoist
    bool ok() const { return !refusal; }
};

struct DecodedHoist {
    std::string group;                    // "MAA"; empty when refused
    std::optional<HoistRefusal> refusal;  // why the flags are no hoist of one set
    bool ok() const { return !refusal; }
};

// The hoist of one set that flies `group`, top first, or why there is none.
EncodedHoist encodeHoist(std::string_view group);

// The group a hoist of one set flies (flags top first, each 0..39), or why
// the flags are no such hoist. A hoist read back is always the one
// encodeHoist gives for its group: the rules leave no choice. Throws
// std::out_of_range for a flag outside 0..39.
DecodedHoist decodeHoist(std::span<const int> flags);

// Why `next` cannot go up under the flags `raised` of a hoist being made,
// nothing when it can (a refusal of `raised` itself if they are no hoist). A
// decimal point may be the last flag so far: the digit after it is still to
// come.
std::optional<HoistRefusal> refusalOfNextFlag(std::span<const int> raised, int next);

// The flags alone.
std::vector<int> flagsOf(const FlownHoist& hoist);

// Flags as they stand, each with the character it gives: read from the top
// as a hoist of one set is made, so that a substitute names what it repeats
// in a hoist whole or half made (22. with its digit still to come). From the
// first flag that no such hoist could have there, each letter or digit gives
// itself and a substitute nothing (standsFor 0).
FlownHoist readHoist(std::span<const int> flags);

}  // namespace mss::codebook
