// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboards.h"

#include <array>
#include <stdexcept>

#include "codebook/flag_catalogue.h"
#include "codebook/signal_directory.h"

namespace mss::engine {

namespace {

using codebook::isLetterFlag;
using codebook::SignalDirectory;
using L = CodeList;
using P = HoistPosition;

// On the second-letter keyboard the keys R and S reset the first general
// list before they look their pair up; the other letters reset nothing.
constexpr std::string_view kSecondLettersThatResetAToJ = "RS";

// What a flag key of each keyboard does, in the order the steps are performed.
StepList flagKeySteps(Keyboard keyboard, int flag) {
    StepList s;
    const char symbol = codebook::symbolOfFlag(flag);
    switch (keyboard) {
        case Keyboard::SingleLetter: {
            s.add(fill(P::First, flag));
            const auto row = isLetterFlag(flag) ? SignalDirectory::instance().singleLetter(flag) : std::nullopt;
            s.add(row ? select(L::SingleLetter, row->row) : reset(L::SingleLetter));
            break;
        }
        case Keyboard::FirstFlag:
            s.add(fill(P::First, flag));
            if (!isLetterFlag(flag)) {  // no general signal begins with a numeral
                s.add(hide(Keyboard::SingleLetter));
                s.add(show(Keyboard::FirstFlag));
                s.add(hide(Keyboard::SecondLetter));
                break;
            }
            {
                // The meaning line shows the list of the letter's signals.
                const CodeList own = SignalDirectory::instance().generalListsOf(flag).front();
                for (CodeList list : codebook::kGeneralLists) s.add(list == own ? show(list) : hide(list));
                s.add(hide(L::SingleLetter));
            }
            s.add(hide(Keyboard::SingleLetter));
            s.add(hide(Keyboard::FirstFlag));
            s.add(show(Keyboard::SecondLetter));
            break;
        case Keyboard::SecondLetter:
            if (isLetterFlag(flag)) {
                s.add(fill(P::Second, flag));
                if (kSecondLettersThatResetAToJ.find(symbol) != std::string_view::npos) s.add(reset(L::GeneralAToJ));
                s.add(clear(P::Third));
                s.add(lookup(Op::LookupSecondLetter, flag));
                s.add(lookup(Op::HandOverIfMedical, flag));
            } else {
                s.add(fill(P::Third, flag));
                for (CodeList list : codebook::kGeneralLists) s.add(reset(list));
                s.add(lookup(Op::LookupComplement, flag));
            }
            break;
        case Keyboard::ThirdLetter:
            s.add(fill(P::Third, flag));
            s.add(reset(L::Medical));
            if (isLetterFlag(flag)) s.add(lookup(Op::LookupThirdLetter, flag));
            s.add(lookup(Op::SelectTableRow, flag));
            break;
    }
    return s;
}

struct KeyTables {
    std::array<std::array<KeyDefinition, kKeysPerKeyboard>, kKeyboards.size()> keys{};
    std::array<std::size_t, codebook::kFlagCount> placeOfFlag{};  // the same on every keyboard

    KeyTables() {
        for (Keyboard keyboard : kKeyboards) {
            auto& own = keys[slotOf(keyboard)];
            std::size_t place = 0;
            for (std::size_t row = 0; row < kTypewriterRows.size(); ++row)
                for (std::size_t i = 0; i < kTypewriterRows[row].size(); ++i) {
                    const int flag = *codebook::flagIndexOfSymbol(kTypewriterRows[row][i]);
                    placeOfFlag[static_cast<std::size_t>(flag)] = place;
                    own[place++] = {KeyId::flagKey(keyboard, flag), codebook::flagEntry(flag).keyCaption,
                                    static_cast<int>(row), static_cast<int>(i), flagKeySteps(keyboard, flag)};
                }
            own[place++] = {KeyId::about(keyboard), "О программе", -1, -1, {}};
            own[place++] = {KeyId::exit(keyboard), "Выход", -1, -1, {}};
        }
    }
};

const KeyTables& tables() {
    static const KeyTables t;
    return t;
}

}  // namespace

std::span<const KeyDefinition> keysOf(Keyboard keyboard) { return tables().keys.at(slotOf(keyboard)); }

const KeyDefinition& definitionOf(KeyId key) {
    const auto& keys = tables().keys.at(slotOf(key.keyboard));
    switch (key.role) {
        case KeyRole::About: return keys[kKeysPerKeyboard - 2];
        case KeyRole::Exit: return keys[kKeysPerKeyboard - 1];
        case KeyRole::Flag: break;
    }
    if (key.flag < 0 || key.flag >= codebook::kFlagCount) throw std::out_of_range("no such flag key");
    return keys[tables().placeOfFlag[static_cast<std::size_t>(key.flag)]];
}

std::optional<KeyId> flagKey(Keyboard keyboard, char symbol) {
    const auto flag = codebook::flagIndexOfSymbol(symbol);
    if (!flag) return std::nullopt;
    return KeyId::flagKey(keyboard, *flag);
}

}  // namespace mss::engine
