// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticket_draw.h"

namespace mss::exam {

namespace {

bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string familyOf(std::string_view code) {
    std::size_t letters = 0;
    while (letters < code.size() && isCapital(code[letters])) ++letters;
    std::size_t end = letters;
    while (end < code.size() && isDigit(code[end])) ++end;
    if (letters == 0 || end != code.size()) return std::string(code);
    return std::string(code.substr(0, letters));
}

}  // namespace mss::exam
