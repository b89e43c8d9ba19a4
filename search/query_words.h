// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of a search query: those already finished, and the last one when
// it is still being typed (nothing, not even a space, follows it), which may
// match the beginning of a word.

#include <string>
#include <string_view>
#include <vector>

namespace mss::search {

struct QueryWords {
    std::vector<std::string> finished;  // folded, in query order
    std::string typing;                 // folded; empty when the query ends after a finished word

    bool empty() const { return finished.empty() && typing.empty(); }
};

QueryWords readQueryWords(std::string_view query);

}  // namespace mss::search
