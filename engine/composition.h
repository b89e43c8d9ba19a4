// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a learner puts a signal up on the main window: the section to choose,
// then the keys to press, each on the keyboard that is on view at that
// moment; a row of a table of complements is its table, then its digit.
// The search window shows a signal this way, through the window's own
// handlers. Standard library only.

#include <optional>
#include <string_view>
#include <vector>

#include "codebook/section.h"
#include "keys.h"

namespace mss::engine {

struct Composition {
    Section section = Section::SingleLetter;
    std::vector<KeyId> keys;  // pressed in this order after choosing the section
};

// The composition of a code as the code writes it ("A", "AE1", "MAA",
// "II-3"); nothing for a code the code book lacks.
std::optional<Composition> compositionOf(std::string_view code);

}  // namespace mss::engine
