// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a learner does to put a signal up by hand, in the scenario runner's
// language: choose the code's section, then press every symbol of the code
// that the section does not hoist by itself (the medical M), each on whatever
// keyboard is on view. A row of a table of complements is its table, then
// its digit.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "codebook/meanings.h"
#include "engine/engine.h"
#include "support/scenario.h"

namespace mss::testing {

inline std::string sectionWord(codebook::Section s) {
    switch (s) {
        case codebook::Section::SingleLetter: return "single";
        case codebook::Section::General: return "general";
        case codebook::Section::Medical: return "medical";
        case codebook::Section::TableI: return "table1";
        case codebook::Section::TableII: return "table2";
        case codebook::Section::TableIII: return "table3";
    }
    return "?";
}

// The scenario lines for `m`'s code.
inline std::vector<std::string> typingLines(const codebook::Meaning& m) {
    std::vector<std::string> lines{"choose " + sectionWord(m.section)};
    std::string_view symbols = m.code;
    if (m.section == codebook::Section::Medical) symbols.remove_prefix(1);
    if (codebook::isComplementTable(m.section)) symbols.remove_prefix(symbols.find('-') + 1);
    for (char c : symbols) lines.push_back(std::string("press ") + c);
    return lines;
}

// Types `m`'s code on `e`.
inline void typeAsALearner(engine::Engine& e, const codebook::Meaning& m) {
    for (const std::string& line : typingLines(m)) {
        const auto event = scenario::parseEvent(line);
        if (!event) throw std::logic_error("not a scenario line: " + line);
        scenario::deliver(e, *event);
    }
}

}  // namespace mss::testing
