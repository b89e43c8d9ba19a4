// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scenarios of exchanges between two ships (data/exchanges.txt), as
// compiled into the program.

#include <string_view>

namespace mss::data {

std::string_view exchangesBytes();

}  // namespace mss::data
