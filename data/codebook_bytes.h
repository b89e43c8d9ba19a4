// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The code-book file as compiled into the program.

#include <string_view>

namespace mss::data {

std::string_view codeBookBytes();

}  // namespace mss::data
