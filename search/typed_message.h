// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the search says about a query that is a message of flag signals
// rather than words: each group read with its values filled in, shown above
// the rows found («T1430» — местное время 14 ч 30 мин; «c045 s12» — курс и
// скорость). A lone code of the book needs no reading: its row is found.
// Words are no message, and a query of words reads as none.

#include <optional>
#include <string>
#include <string_view>

#include "codebook/codebook.h"

namespace mss::search {

// The reading of a typed message, one group a line, «C045 — курс 045°»;
// for a group shaped as a complement or a code with figures that cannot be
// read, the reason instead («T2460 — не читается: …»). Nothing when the
// query is no such message.
std::optional<std::string> typedMessageReading(const codebook::CodeBook& book, std::string_view query);

}  // namespace mss::search
