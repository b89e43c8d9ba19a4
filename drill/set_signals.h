// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signals of each drill set, taken from the code book, and what the
// learner sees and types for each: the flags of its hoist, the part of it
// that is typed, and whether an answer is right. Standard library only.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "card_key.h"
#include "codebook/codebook.h"

namespace mss::drill {

struct DrillSignal {
    std::string code;    // as the progress file keeps it: "E" for a flag, "A", "AE1", "MAA", "II-3"
    std::string text;    // its meaning; for the flags set, the flag's phonetic name
    bool reconstructed = false;  // the meaning was written from memory, not from an edition of the code
    std::string group;   // signals offered together as wrong meanings; see signalsOfSet
};

// Every signal of a set, in the order of the code: the 36 flags (grouped as
// letter flags and numeral pennants), the 25 single-letter signals (one
// group), the 1,403 codes of the general section (grouped by first letter),
// the 442 medical signals (grouped by the letter after M) and the 29 rows of
// the tables of complements (grouped by table).
std::vector<DrillSignal> signalsOfSet(const codebook::CodeBook& book, DrillSet set);

// The signal of a set with this code; nullptr when there is none.
const DrillSignal* findSignal(std::span<const DrillSignal> list, std::string_view code);

// What the hoist of a signal shows.
struct HoistOfSignal {
    bool medicalM = false;  // M stands above the flags (the medical section)
    std::string table;      // "II" for a row of a table of complements, otherwise empty
    std::string flags;      // the flags one under the other, as symbols: "AE1"; "AA" for MAA; "3" for II-3
    // Every flag that stands, M included: "MAA".
    std::string symbols() const;

    friend bool operator==(const HoistOfSignal&, const HoistOfSignal&) = default;
};
HoistOfSignal hoistOf(DrillSet set, std::string_view code);

// How many flags the learner hoists for a signal of the set (M not counted:
// it is hoisted for the learner), and which keys count: only digits for the
// tables of complements, only letters for the medical section.
std::size_t typedFlagsAtMost(DrillSet set);
bool mayType(DrillSet set, char symbol);

// The code that the flags typed for `askedCode` stand for: "MAA" for "AA"
// in the medical section, "II-5" for "5" asked about a row of table II.
std::string codeOfTyped(DrillSet set, std::string_view askedCode, std::string_view typed);

// Whether the answer `givenCode` is right. Reading a hoist wants its very
// flags; a meaning chosen or composed is right for every code that reads
// the same (WY0 or XB0).
bool isRightAnswer(DrillMode mode, const DrillSignal& asked, std::string_view givenCode,
                   std::span<const DrillSignal> list);

}  // namespace mss::drill
