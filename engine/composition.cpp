// SPDX-License-Identifier: GPL-3.0-or-later
#include "composition.h"

#include "codebook/flag_catalogue.h"
#include "codebook/signal_code.h"
#include "codebook/signal_directory.h"

namespace mss::engine {

namespace {

// The keyboard on view when the learner gives each symbol a code types, in
// order. The general section's complement digit is a key of the
// second-letter keyboard; in the medical section the M stands hoisted, the
// second letter comes from the second-letter keyboard and the third from the
// third-letter keyboard that follows it. A row of a table is its digit, a
// key of the third-letter keyboard that each table brings.
std::vector<Keyboard> keyboardsOf(Section section) {
    switch (section) {
        case Section::SingleLetter: return {Keyboard::SingleLetter};
        case Section::General: return {Keyboard::FirstFlag, Keyboard::SecondLetter, Keyboard::SecondLetter};
        case Section::Medical: return {Keyboard::SecondLetter, Keyboard::ThirdLetter};
        case Section::TableI:
        case Section::TableII:
        case Section::TableIII: return {Keyboard::ThirdLetter};
    }
    return {};
}

}  // namespace

std::optional<Composition> compositionOf(std::string_view written) {
    const auto code = codebook::SignalCode::parse(written);
    if (!code) return std::nullopt;
    if (!codebook::SignalDirectory::instance().find(*code)) return std::nullopt;
    Composition c;
    c.section = code->section();
    const std::vector<Keyboard> keyboards = keyboardsOf(c.section);
    const std::string_view typed = code->typedSymbols();
    for (std::size_t i = 0; i < typed.size() && i < keyboards.size(); ++i) {
        const auto flag = codebook::flagIndexOfSymbol(typed[i]);
        if (!flag) return std::nullopt;
        c.keys.push_back(KeyId::flagKey(keyboards[i], *flag));
    }
    return c;
}

}  // namespace mss::engine
