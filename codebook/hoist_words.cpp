// SPDX-License-Identifier: GPL-3.0-or-later
#include "hoist_words.h"

#include <array>

#include "signal_flags.h"

namespace mss::codebook {

namespace {

std::string str(std::string_view s) { return std::string(s); }
std::string str(char c) { return std::string(1, c); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// «букву A», «цифру 7».
std::string characterAccusative(char c) { return (isDigit(c) ? "цифру " : "букву ") + str(c); }

// «Буква A», «Цифра 7».
std::string characterNominative(char c) { return (isDigit(c) ? "Цифра " : "Буква ") + str(c); }

// The 1st, 2nd, 3rd substitute spoken: «первый заменяющий».
constexpr std::array<std::string_view, kSubstituteCount> kSpokenSubstitutes{"первый заменяющий", "второй заменяющий",
                                                                           "третий заменяющий"};

// «1-м заменяющим».
std::string substituteInstrumental(int flag) { return std::to_string(substituteNumber(flag)) + "-м заменяющим"; }

std::string placeNotHoisted(const HoistRefusal& r) {
    static constexpr std::array<std::string_view, kSubstituteCount> kOrdinalAccusative{"первую", "вторую", "третью"};
    const int n = substituteNumber(r.flag);
    const std::string noun = r.amongLetters ? "букву" : "цифру";
    const std::string above = r.place == 1 ? (r.amongLetters ? "одна буква" : "одна цифра")
                                           : (r.amongLetters ? "две буквы" : "две цифры");
    return str(signalFlag(r.flag).shortName) + " повторяет " + str(kOrdinalAccusative[static_cast<std::size_t>(n - 1)]) +
           " " + noun + " сверху, а над ним всего " + above + ".";
}

std::string flagTwice(const HoistRefusal& r) {
    const SignalFlag& flag = signalFlag(r.flag);
    switch (flag.kind) {
        case FlagKind::Letter: return "Флаг " + str(flag.symbol) + " уже поднят — поднимите заменяющий.";
        case FlagKind::Numeral: return "Вымпел " + str(flag.symbol) + " уже поднят — поднимите заменяющий.";
        case FlagKind::Substitute: return str(flag.shortName) + " уже поднят: в наборе он один.";
        case FlagKind::AnsweringPennant: return "Ответный вымпел уже поднят: в наборе он один.";
    }
    return {};
}

std::string notAGroup(const HoistRefusal& r) {
    if (r.character != 0)
        return "Знака «" + str(r.character) +
               "» в группе быть не может: в ней только латинские буквы, цифры и десятичная запятая.";
    if (r.at == 0) return "Группа пуста: в ней нет ни буквы, ни цифры.";
    return "В группе могут быть только латинские буквы, цифры и десятичная запятая.";
}

}  // namespace

std::string flownFlagWord(const FlownFlag& flag) {
    const SignalFlag& entry = signalFlag(flag.flag);
    switch (entry.kind) {
        case FlagKind::Letter:
        case FlagKind::Numeral: return str(entry.spellingWord);
        case FlagKind::Substitute:
            // Under flags that are no hoist of one set it has nothing it could repeat.
            return flag.standsFor == 0 ? "ничего не повторяет" : "повторяет " + str(flag.standsFor);
        case FlagKind::AnsweringPennant: return "десятичная запятая";
    }
    return {};
}

std::string spokenFlownFlag(const FlownFlag& flag) {
    const SignalFlag& entry = signalFlag(flag.flag);
    const std::string name = entry.kind == FlagKind::Substitute
                                 ? str(kSpokenSubstitutes[static_cast<std::size_t>(substituteNumber(flag.flag) - 1)])
                                 : str(entry.fullName);
    return name + " — " + flownFlagWord(flag);
}

std::string hoistLine(std::span<const int> flags) {
    std::string line;
    for (const int flag : flags) {
        if (!line.empty()) line += ", ";
        line += signalFlag(flag).shortName;
    }
    return line;
}

std::string hoistLine(const FlownHoist& hoist) { return hoistLine(flagsOf(hoist)); }

std::string morseSigns(std::string_view morse) {
    std::string written;
    for (char sign : morse) {
        if (sign == '.') written += "\u00B7";
        else if (sign == '-') written += "\u2212";
        else written += sign;
    }
    return written;
}

std::string hoistWithMorse(std::span<const int> flags) {
    std::string line;
    for (const FlownFlag& flown : readHoist(flags)) {
        const SignalFlag& flag = signalFlag(flown.flag);
        if (!line.empty()) line += ", ";
        switch (flag.kind) {
            case FlagKind::Letter:
            case FlagKind::Numeral:
                line += str(flag.spellingWord) + " (" + str(flag.symbol) + ", " + morseSigns(flag.morse) + ")";
                break;
            case FlagKind::Substitute: line += str(flag.shortName) + " (" + flownFlagWord(flown) + ")"; break;
            case FlagKind::AnsweringPennant:
                line += str(flag.shortName) + " (" + flownFlagWord(flown) + ", " + morseSigns(flag.morse) + ")";
                break;
        }
    }
    return line;
}

std::string refusalText(const HoistRefusal& r) {
    const std::string among = r.amongLetters ? "букв" : "цифр";
    switch (r.problem) {
        case HoistProblem::NotAGroup: return notAGroup(r);
        case HoistProblem::SubstituteTaken:
            return "Повторить " + characterAccusative(r.character) + " мог бы только " +
                   str(signalFlag(r.flag).shortName) + ", а он уже повторяет " + str(r.takenBy) + ".";
        case HoistProblem::AcrossClasses:
            return r.amongLetters ? "Цифру " + str(r.character) +
                                        " не повторить под буквой: заменяющий под буквой повторяет только буквы."
                                  : "Букву " + str(r.character) +
                                        " не повторить под цифрой: заменяющий под цифрой повторяет только цифры.";
        case HoistProblem::BelowThirdPlace:
            return characterNominative(r.character) + " стоит на " + std::to_string(r.place) + "-м месте среди " +
                   among + ", а заменяющие повторяют только три первых места.";
        case HoistProblem::FourthSubstitute:
            return "Чтобы ещё раз повторить " + characterAccusative(r.character) +
                   ", понадобился бы 4-й заменяющий, а в наборе их только три.";
        case HoistProblem::TwoDecimalPoints:
            return "В группе две десятичные запятые, а ответный вымпел в наборе один.";
        case HoistProblem::DecimalPointMisplaced:
            return "Десятичная запятая (ответный вымпел) ставится только между двумя цифрами.";
        case HoistProblem::FlagTwice: return flagTwice(r);
        case HoistProblem::NothingToRepeat:
            return "Над " + substituteInstrumental(r.flag) + " нет ни буквы, ни цифры: ему нечего повторять.";
        case HoistProblem::PlaceNotHoisted: return placeNotHoisted(r);
    }
    return {};
}

}  // namespace mss::codebook
