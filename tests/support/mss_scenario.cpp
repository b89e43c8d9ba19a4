// SPDX-License-Identifier: GPL-3.0-or-later
// mss-scenario: reads window events from standard input and prints the
// engine's state after each one. Exits with 1 when a line was no event, and
// with 2 when the output could not be written.

#include <iostream>

#include "scenario.h"

int main() {
    std::ios::sync_with_stdio(false);
    const bool clean = mss::scenario::run(std::cin, std::cout);
    if (!std::cout.good()) return 2;
    return clean ? 0 : 1;
}
