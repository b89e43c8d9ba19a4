// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search reads UTF-8 with the code book's decoder.

#include "codebook/utf8.h"

namespace mss::search {

using codebook::appendUtf8;
using codebook::DecodedChar;
using codebook::decodeUtf8At;

}  // namespace mss::search
