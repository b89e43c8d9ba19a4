// SPDX-License-Identifier: GPL-3.0-or-later
#include "composition.h"

#include "codebook/flag_catalogue.h"
#include "codebook/meanings.h"

namespace mss::engine {

namespace {

// The keyboard on view when the learner gives each symbol of a code, in the
// code's order. The general section's complement digit is a key of the
// second-letter keyboard; in the medical section the M stands hoisted, the
// second letter comes from the second-letter keyboard and the third from the
// third-letter keyboard that follows it.
struct Typing {
    std::size_t firstSymbol;  // the symbols before it are hoisted by the section itself
    std::vector<Keyboard> keyboards;
};

std::optional<Typing> typingOf(Section section, std::size_t length) {
    switch (section) {
        case Section::SingleLetter:
            return Typing{0, {Keyboard::SingleLetter}};
        case Section::General:
            if (length == 2) return Typing{0, {Keyboard::FirstFlag, Keyboard::SecondLetter}};
            return Typing{0, {Keyboard::FirstFlag, Keyboard::SecondLetter, Keyboard::SecondLetter}};
        case Section::Medical:
            return Typing{1, {Keyboard::SecondLetter, Keyboard::ThirdLetter}};
        case Section::TableI:
        case Section::TableII:
        case Section::TableIII:
            return Typing{0, {}};
    }
    return std::nullopt;
}

}  // namespace

std::optional<Composition> compositionOf(std::string_view code) {
    const auto target = codebook::SignalDirectory::instance().find(code);
    const auto section = codebook::sectionOfCode(code);
    if (!target || !section) return std::nullopt;

    const auto typing = typingOf(*section, code.size());
    if (!typing) return std::nullopt;
    // Every symbol of a typed code is either hoisted by its section or a key.
    const bool typed = !typing->keyboards.empty();
    if (typed && typing->firstSymbol + typing->keyboards.size() != code.size()) return std::nullopt;
    Composition c;
    c.section = *section;
    for (std::size_t i = 0; i < typing->keyboards.size(); ++i) {
        const auto flag = codebook::flagIndexOfSymbol(code[typing->firstSymbol + i]);
        if (!flag) return std::nullopt;
        c.keys.push_back(KeyId::flagKey(typing->keyboards[i], *flag));
    }
    if (codebook::isComplementTable(*section)) c.pick = *target;
    return c;
}

}  // namespace mss::engine
