// SPDX-License-Identifier: GPL-3.0-or-later
#include "shipped_search_rows.h"

#include <stdexcept>

#include "search/book_rows.h"
#include "support/shipped_book.h"

namespace mss::search::test_support {

std::vector<SearchRow> shippedSearchRows() {
    if (!mss::testing::shippedLoad().ok()) throw std::runtime_error(mss::testing::shippedLoad().firstProblem());
    return searchRowsOf(mss::testing::shippedBook());
}

}  // namespace mss::search::test_support
