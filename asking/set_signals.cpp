// SPDX-License-Identifier: GPL-3.0-or-later
#include "set_signals.h"

#include "codebook/meanings.h"
#include "codebook/signal_code.h"
#include "codebook/signal_flags.h"
#include "meaning_choices.h"

namespace mss::asking {

namespace {

using codebook::Section;

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

void addSection(std::vector<Signal>& signals, const codebook::CodeBook& book, Section section) {
    for (const codebook::Meaning& m : codebook::signalsOf(book, section)) {
        signals.push_back({std::string(m.code), std::string(m.text), m.source == codebook::Source::Recall,
                           std::string(m.signal->group())});
    }
}

}  // namespace

std::vector<Signal> signalsOfSet(const codebook::CodeBook& book, SignalSet set) {
    std::vector<Signal> signals;
    switch (set) {
        case SignalSet::Flags:
            for (const codebook::SignalFlag& flag : codebook::signalFlags()) {
                const bool named = !flag.spellingWord.empty();
                const char* group = flag.kind == codebook::FlagKind::Letter    ? "letter"
                                    : flag.kind == codebook::FlagKind::Numeral ? "numeral"
                                                                               : "special";
                signals.push_back({std::string(flag.shortName), std::string(named ? flag.spellingWord : flag.fullName),
                                   false, group});
            }
            break;
        case SignalSet::SingleLetter: addSection(signals, book, Section::SingleLetter); break;
        case SignalSet::General: addSection(signals, book, Section::General); break;
        case SignalSet::Medical: addSection(signals, book, Section::Medical); break;
        case SignalSet::Tables:
            for (const auto& table : codebook::kComplementTables) addSection(signals, book, table.section);
            break;
    }
    return signals;
}

const Signal* findSignal(std::span<const Signal> list, std::string_view code) {
    for (const Signal& s : list)
        if (s.code == code) return &s;
    return nullptr;
}

HoistOfSignal hoistOf(SignalSet set, std::string_view code) {
    HoistOfSignal hoist;
    hoist.flags = code;
    if (set == SignalSet::Flags) {
        // A flag of the flags set is known by its short name.
        for (const codebook::SignalFlag& flag : codebook::signalFlags())
            if (flag.shortName == code) hoist.flown = {flag.index};
        return hoist;
    }
    const auto signal = codebook::SignalCode::parse(code);
    if (!signal) return hoist;
    hoist.medicalM = signal->impliesMedicalM();
    if (const auto* table = signal->table()) hoist.table = table->roman;
    hoist.flags = signal->typedSymbols();
    hoist.flown = signal->hoistFlags();
    return hoist;
}

std::string HoistOfSignal::symbols() const { return medicalM ? codebook::SignalCode::kMedicalFirst + flags : flags; }

std::size_t typedFlagsAtMost(SignalSet set) {
    switch (set) {
        case SignalSet::General: return 3;
        case SignalSet::Medical: return 2;
        default: return 1;
    }
}

bool mayRaise(SignalSet set, AskMode mode, int flag) {
    if (!codebook::isSignalFlag(flag)) return false;
    const codebook::SignalFlag& f = codebook::signalFlag(flag);
    if (f.kind == codebook::FlagKind::Letter || f.kind == codebook::FlagKind::Numeral) return mayType(set, f.symbol);
    // A substitute or the answering pennant: asked by sight in the flags
    // set, or raised in a hoist the learner composes.
    if (set == SignalSet::Flags) return true;
    if (mode != AskMode::Compose || set == SignalSet::Tables) return false;
    return !(set == SignalSet::Medical && f.kind == codebook::FlagKind::AnsweringPennant);
}

bool mayType(SignalSet set, char symbol) {
    if (!isLetter(symbol) && !isDigit(symbol)) return false;
    switch (set) {
        case SignalSet::Medical: return isLetter(symbol);
        case SignalSet::Tables: return isDigit(symbol);
        default: return true;
    }
}

std::string codeOfTyped(SignalSet set, std::string_view askedCode, std::string_view typed) {
    if (set == SignalSet::Flags) return std::string(typed);
    const auto asked = codebook::SignalCode::parse(askedCode);
    const auto code = asked ? codebook::SignalCode::ofTyped(asked->section(), typed) : std::nullopt;
    // Flags that make no code of the section are kept as typed: a wrong answer.
    return code ? code->text() : std::string(typed);
}

bool isRightAnswer(AskMode mode, const Signal& asked, std::string_view givenCode, std::span<const Signal> list) {
    if (givenCode == asked.code) return true;
    if (mode == AskMode::RecogniseFlag) return false;
    const Signal* given = findSignal(list, givenCode);
    return given != nullptr && readAs(given->text) == readAs(asked.text);
}

std::string meaningToCompose(const Signal& signal) {
    std::string text = signal.text;
    const std::string& code = signal.code;
    if (code.empty()) return text;
    const auto isWordChar = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    };
    // Only the code as a word of its own: AA in «RPT AA», not in «AAB».
    for (std::size_t at = text.find(code); at != std::string::npos; at = text.find(code, at + code.size())) {
        const std::size_t end = at + code.size();
        if ((at > 0 && isWordChar(text[at - 1])) || (end < text.size() && isWordChar(text[end]))) continue;
        text.replace(at, code.size(), std::string(code.size(), '?'));
    }
    return text;
}

}  // namespace mss::asking
