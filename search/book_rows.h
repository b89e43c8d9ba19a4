// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The code book as rows for the search index: every signal of every section,
// in the order of the code.

#include <vector>

#include "codebook/codebook.h"
#include "search_row.h"

namespace mss::search {

std::vector<SearchRow> searchRowsOf(const codebook::CodeBook& book);

}  // namespace mss::search
