// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of what groups take after their letters, as compiled into the
// program (codebook/message/group_takes.h reads it).

#include <string_view>

namespace mss::data {

std::string_view messageGroupsBytes();

}  // namespace mss::data
