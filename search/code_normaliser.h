// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a code as a person types it into the code's canonical form:
//
//   "ae1", "AE1", "ае1" (Cyrillic letters that look Latin)  → "AE1"
//   "маа"                                                     → "MAA"
//   "i-3", "I 3", "I–3"                                       → "I-3"
//   "iii-9"                                                   → "III-9"
//
// Spaces around the code are ignored. Case does not matter, and the Cyrillic
// letters А В Е К М Н О Р С Т Х У (and Ukrainian І) stand for the Latin
// letters they look like. The result has the form of a code — one to three
// letters and at most one digit, or a table of complements I, II or III, a
// hyphen and one digit — without any promise that the code book has it.
// Anything else gives no code.

#include <optional>
#include <string>
#include <string_view>

namespace mss::search {

std::optional<std::string> normaliseCode(std::string_view typed);

// Turns a group of a hoist as a person types it into capital Latin letters,
// digits and '.', read the same way as a code: "l2330" → "L2330",
// "маа" → "MAA", "22,2" → "22.2" (a comma is a decimal point too). Of any
// length, with no promise that one set of flags can fly it. Empty text, a
// table row ("I-3") or any other character gives no group.
std::optional<std::string> normaliseGroup(std::string_view typed);

}  // namespace mss::search
