// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether one set of flags flies the groups of one halyard: each group by
// the rules of one_set_hoist.h (substitutes never repeat across a
// tackline), and no flag of the set twice on the halyard. Standard library
// only.

#include <optional>
#include <string>

#include "exchange_types.h"

namespace mss::exchange {

// Nothing when one set flies `groups`; otherwise why not, in Russian.
std::optional<std::string> halyardRefusal(const Groups& groups);

}  // namespace mss::exchange
