// mss-scenario: reads window events from standard input and prints the
// engine's state after each one.

#include <iostream>

#include "scenario.h"

int main() {
    std::ios::sync_with_stdio(false);
    mss::scenario::run(std::cin, std::cout);
    return 0;
}
