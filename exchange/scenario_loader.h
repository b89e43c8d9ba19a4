// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a file of scenarios (data/exchanges.txt): UTF-8 text, one statement
// a line, a keyword and its value:
//
//   exchange WEATHER                  a new scenario: one Latin word in capitals
//   title Погода на переходе          its short title
//   situation Вы на судне …           the situation, one line
//   ships UBKR UHTN                   the call signs of ship A and ship B
//   signal A UHTN                     a signal of ship A, UHTN at its masthead
//   task Спросите, какая у него погода.
//   message XQ                        an accepted message: hoists split by '/',
//   message C045 S12 / …              groups of a hoist by spaces (tacklines)
//   garbled UU RGIA                   the hoist that makes no sense, sent first
//   reply ZL                          the receiver's accepted answers to it
//
// Lines beginning with '#' and blank lines are passed over. A file with a
// mistake is refused whole, with the line and the reason in Russian.
// Standard library only.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scenario.h"

namespace mss::exchange {

struct ScenarioProblem {
    int line = 0;  // from 1; 0 for the file as a whole
    std::string reason;
    // "Строка 12: …", or the reason alone for the whole file.
    std::string text() const;
};

struct ScenarioFile {
    std::vector<Scenario> scenarios;  // empty when refused
    std::optional<ScenarioProblem> problem;
    bool ok() const { return !problem; }
};

ScenarioFile loadScenarios(std::string_view bytes);

// The scenario named `name` (exactly as written), or nothing.
const Scenario* findScenario(const std::vector<Scenario>& scenarios, std::string_view name);

}  // namespace mss::exchange
