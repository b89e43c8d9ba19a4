// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How numbered tickets are drawn. A teacher may have printed tickets of an
// earlier draw, so a draw, once shipped, never changes: a new rule or a new
// list of the exam's signals comes as a new draw, used for new tickets, and
// a ticket is named by its number, its scope and its draw.
//
//   1  the first draw: the exam's signals first shipped (those marked
//      `since` 1 in data/exam_signals.tsv), any two signals of a ticket
//      different;
//   2  the list as corrected against the code's chapters (every signal of
//      the file), and no two questions of a ticket about one signal family
//      (AE and AE1, BR and BR3): one would give the other's answer away.
//
// Whichever the draw, a mistake is graded by the list as it is now.

#include <string>
#include <string_view>

namespace mss::exam {

inline constexpr int kFirstDraw = 1;
inline constexpr int kLatestDraw = 2;

constexpr bool isDraw(int draw) { return draw >= kFirstDraw && draw <= kLatestDraw; }

// The family a signal belongs to: its letters without the digit that
// follows them ("BR3" → "BR", "MAA1" → "MAA", "C" → "C"); a code of another
// shape ("I-3", a numeral pennant, a substitute) is a family of its own.
std::string familyOf(std::string_view code);

}  // namespace mss::exam
