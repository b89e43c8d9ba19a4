// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an exchange asks of the grammar of a message (codebook/message/):
// whether one set flies a halyard, and where a message given differs from
// the one expected. Standard library only.

#include <optional>
#include <string>

#include "codebook/message/answer_check.h"
#include "exchange_types.h"

namespace mss::exchange {

// Nothing when one set of flags flies `groups` on one halyard; otherwise
// why not, in Russian.
std::optional<std::string> halyardRefusal(const Groups& groups);

// The first group where `given` differs from `expected`; nothing when they
// say the same. A complement whose letter takes any number of figures
// matches by its value: S12 and S012 are the same speed.
std::optional<codebook::message::GroupVerdict> firstDifference(const Groups& expected, const Groups& given);

}  // namespace mss::exchange
