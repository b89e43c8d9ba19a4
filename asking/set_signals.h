// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signals of each set, taken from the code book, and what the
// learner sees and types for each: the flags of its hoist, the part of it
// that is typed, and whether an answer is right. Standard library only.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codebook/codebook.h"
#include "signal_set.h"

namespace mss::asking {

struct Signal {
    // As the progress file keeps it: "A", "AE1", "MAA", "II-3"; for the
    // flags set the flag's short name, "E", "7", "1-й заменяющий".
    std::string code;
    // Its meaning; for the flags set the spelling word of a letter or digit,
    // the full name of a substitute or of the answering pennant.
    std::string text;
    bool reconstructed = false;  // the meaning was written from memory, not from an edition of the code
    std::string group;           // signals offered together as wrong meanings; see signalsOfSet
};

// Every signal of a set, in the order of the code: the 40 flags of a set
// (grouped as letter flags, numeral pennants, and the substitutes with the
// answering pennant), the 25 single-letter signals (one
// group), the 1,403 codes of the general section (grouped by first letter),
// the 442 medical signals (grouped by the letter after M) and the 29 rows of
// the tables of complements (grouped by table).
std::vector<Signal> signalsOfSet(const codebook::CodeBook& book, SignalSet set);

// The signal of a set with this code; nullptr when there is none.
const Signal* findSignal(std::span<const Signal> list, std::string_view code);

// What the hoist of a signal shows.
struct HoistOfSignal {
    bool medicalM = false;  // M stands above the flags (the medical section)
    std::string table;      // "II" for a row of a table of complements, otherwise empty
    // What a learner types to name the hoist: "AE1"; "AA" for MAA (M stands
    // already); "3" for II-3; for a flag of the flags set, its short name.
    std::string flags;
    // Every flag that stands, as one set flies it, top first, M included:
    // M, A and the 2nd substitute for MAA (flags 0..39, signal_flags.h).
    std::vector<int> flown;
    // What the flags give, M included: "MAA".
    std::string symbols() const;

    friend bool operator==(const HoistOfSignal&, const HoistOfSignal&) = default;
};
HoistOfSignal hoistOf(SignalSet set, std::string_view code);

// How many flags the learner hoists for a signal of the set (M not counted:
// it is hoisted for the learner), and which flags count: only numeral
// pennants for the tables of complements, no numeral pennant in the medical
// section; a substitute or the answering pennant only where a whole hoist is
// composed or where the flags themselves are asked.
std::size_t typedFlagsAtMost(SignalSet set);
bool mayType(SignalSet set, char symbol);
bool mayRaise(SignalSet set, AskMode mode, int flag);

// The code that the flags typed for `askedCode` stand for: "MAA" for "AA"
// in the medical section, "II-5" for "5" asked about a row of table II.
std::string codeOfTyped(SignalSet set, std::string_view askedCode, std::string_view typed);

// Whether the answer `givenCode` is right. Reading a hoist wants its very
// flags; a meaning chosen or composed is right for every code that reads
// the same (WY0 or XB0).
bool isRightAnswer(AskMode mode, const Signal& asked, std::string_view givenCode, std::span<const Signal> list);

// The meaning asked when its signal is to be composed: where it names its
// own code (AA: «… (RPT AA — повторите все после …)»), the code is hidden,
// a question mark for each of its letters, so that the question does not
// give its answer away. The answer shows the meaning whole.
std::string meaningToCompose(const Signal& signal);

}  // namespace mss::asking
