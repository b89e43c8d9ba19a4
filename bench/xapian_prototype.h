// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A search on Xapian, built to weigh the library against the program's own
// index on the same judged queries: the same rows, the same everyday words
// (as Xapian synonyms), the same reading of codes; Xapian's Russian stemmer,
// BM25, spelling correction and partial last words. Not part of the program.

#include <string>
#include <vector>

#include "search/search_row.h"
#include "tests/search/judged_set.h"

namespace mss::search {

test_support::CodesFound xapianPrototypeSearch(const std::vector<SearchRow>& rows);

}  // namespace mss::search
