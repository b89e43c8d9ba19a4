// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The code book the program carries, loaded once for every test that needs it.

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"

namespace mss::testing {

inline const codebook::LoadResult& shippedLoad() {
    static const codebook::LoadResult loaded = codebook::parseCodeBook(data::codeBookBytes());
    return loaded;
}

inline const codebook::CodeBook& shippedBook() { return shippedLoad().book; }

}  // namespace mss::testing
