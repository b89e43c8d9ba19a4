// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a learner puts a signal up on the main window: the section to choose,
// then the keys to press, each on the keyboard that is on view at that
// moment. A row of a table of complements is not typed: once its table is
// chosen, the learner picks the row from the list of complements. The search
// window shows a signal this way, through the window's own handlers.
// Standard library only.

#include <optional>
#include <string_view>
#include <vector>

#include "codebook/signal_directory.h"
#include "keys.h"

namespace mss::engine {

struct Composition {
    Section section = Section::SingleLetter;
    std::vector<KeyId> keys;                // pressed in this order after choosing the section
    std::optional<codebook::ListRow> pick;  // a row picked from a list after the keys
};

// The composition of a code as the code writes it ("A", "AE1", "MAA",
// "II-3"); nothing for a code the code book lacks.
std::optional<Composition> compositionOf(std::string_view code);

}  // namespace mss::engine
