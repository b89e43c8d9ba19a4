// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Queries such as a learner types, made from the words of the rows: one to
// three words that stand together in one row's text, many in another form
// that the book has of the same word, a few with a made-up ending, the last
// often cut short as if still being typed, and now and then a code. The same
// seed gives the same queries.

#include <cstdint>
#include <string>
#include <vector>

#include "search/search_row.h"

namespace mss::search::test_support {

std::vector<std::string> sampleQueries(const std::vector<SearchRow>& rows, std::size_t count, std::uint64_t seed);

}  // namespace mss::search::test_support
