// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Groups flown together on one halyard, and a message split into hoists.
//
// Groups on one halyard are separated by a tackline, a length of the
// halyard left bare; a substitute repeats a flag of its own group only, so
// the count starts afresh below every tackline. A ship carries one set of
// flags: 26 letters, 10 numeral pennants, 3 substitutes and the answering
// pennant, so no flag flies twice on one halyard. A message whose groups
// need more than one set goes up in several hoists, one after another.
// Standard library only.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codebook/one_set_hoist.h"

namespace mss::codebook::message {

// How the program names the tackline in Russian.
inline constexpr std::string_view kTacklineName = "разделительный участок фала";

// Why groups cannot go up together on one halyard of one set.
struct HalyardRefusal {
    std::size_t group = 0;                // the group that cannot go up, from 0
    std::optional<HoistRefusal> ofGroup;  // the group alone cannot fly (one_set_hoist.h)
    int flag = -1;                        // otherwise: the flag it needs that flies already (0..39)
    std::size_t takenBy = 0;              // the earlier group that flies that flag
};

struct Halyard {
    std::vector<std::string> groups;  // in Latin capitals, top first
    std::vector<FlownHoist> flags;    // each group's flags, top first; a tackline between each two
    std::optional<HalyardRefusal> refusal;
    bool ok() const { return !refusal; }
};

// Every group on one halyard, in order, or why one set cannot make it. The
// groups are written as the program writes them (readGroup in
// signal_code.h reads a typed one).
Halyard flyOnOneHalyard(std::span<const std::string> groups);

// The groups split into hoists, each made by one set: as many groups on a
// halyard as its set allows, in order. A group that no set can fly alone is
// refused: the result is then the hoists before it and that group's
// refusal.
struct HoistSplit {
    std::vector<Halyard> hoists;
    std::optional<HalyardRefusal> refusal;
    bool ok() const { return !refusal; }
};
HoistSplit splitIntoHoists(std::span<const std::string> groups);

// Why groups cannot go up together, in Russian: «Флаг 0 на этом фале уже
// поднят в группе C045, а второго такого в наборе нет.»
std::string halyardRefusalText(std::span<const std::string> groups, const HalyardRefusal& refusal);

}  // namespace mss::codebook::message
