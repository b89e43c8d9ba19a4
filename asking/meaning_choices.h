// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four meanings offered when the learner is asked what a signal means:
// its own and three wrong ones. The wrong ones come from the same list and,
// as far as there are enough, from the signals of the same group (the same
// first letter in the general section), so that the right one does not
// stand out; no text is offered twice, even where two signals share it
// (WY0 and XB0).

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "random_source.h"

namespace mss::asking {

// A signal that may be offered: its meaning and the group it belongs to.
struct ChoiceCandidate {
    std::string_view text;
    std::string_view group;
};

struct MeaningChoices {
    // Places in the candidate list, in the order they are offered.
    std::vector<std::size_t> offered;
    // Where among `offered` the asked signal stands.
    std::size_t rightPlace = 0;
};

inline constexpr std::size_t kMeaningChoiceCount = 4;

// The text as the learner reads it: without spaces at either end, every run
// of spaces inside as one. Two candidates read alike when these are equal.
std::string readAs(std::string_view text);

// Offers `asked` (a place in `candidates`) and up to count - 1 candidates
// with other texts: first those of its group, then the others, each drawn
// at random from `random`; the asked signal takes a random place among them.
// Fewer are offered only when the list has fewer different texts.
MeaningChoices chooseMeaningChoices(std::span<const ChoiceCandidate> candidates, std::size_t asked,
                                    const RandomSource& random, std::size_t count = kMeaningChoiceCount);

}  // namespace mss::asking
