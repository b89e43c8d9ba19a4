// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A code as a person types it, in the code's canonical form: "ае1" → "AE1",
// "i 3" → "I-3" (codebook::SignalCode::read tells which spellings count).
// The result has the form of a code of some section, without any promise
// that the code book has it.

#include <optional>
#include <string>
#include <string_view>

namespace mss::search {

std::optional<std::string> normaliseCode(std::string_view typed);

}  // namespace mss::search
