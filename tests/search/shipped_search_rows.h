// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shipped code book as rows for the search.

#include <vector>

#include "search/search_row.h"

namespace mss::search::test_support {

// Every signal of the embedded code book, one row per code (a meaning shared
// by WY0 and XB0 gives two rows). Throws std::runtime_error when the book
// does not load.
std::vector<SearchRow> shippedSearchRows();

}  // namespace mss::search::test_support
