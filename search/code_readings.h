// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The codes a query may stand for, in the order the search lists them
// (codebook::SignalCode::readings, which --lookup reads by too):
//
//   as typed, when it has Latin letters            «ae1», «I-3», «I3» → AE1, I-3
//   by the look of Cyrillic letters that all look  «ае1», «ВВ1»       → AE1, BB1
//     like Latin ones as written, then by keys
//   by the place of its keys on the Russian layout «фу1», «тс»        → AE1, NC
//     otherwise, then by the look                  «нс»               → YC, HC
//
// Only a query shaped like a code (one to three letters and a digit at most,
// or a table row) has readings, and only readings with the form of a code
// count; whether the book has them is for the caller to ask. No code comes
// twice.

#include <string>
#include <string_view>
#include <vector>

namespace mss::search {

std::vector<std::string> codeReadings(std::string_view query);

// Whether the query has a digit or a Latin letter: then it is read as a code
// before it is read as a word.
bool looksTypedAsACode(std::string_view query);

}  // namespace mss::search
