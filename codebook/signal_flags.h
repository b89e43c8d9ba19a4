// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The forty flags of one set a ship carries: the 36 of the flag catalogue
// (letters A..Z, numeral pennants 1..9 and 0, at the catalogue's indices
// 0..35), then the 1st, 2nd and 3rd substitutes (36, 37, 38) and the
// answering pennant (39). Every name, spelling word and Morse code of a flag
// is kept here and nowhere else; the flag catalogue reads its spelling words
// from this table.

#include <array>
#include <optional>
#include <string_view>

#include "flag_catalogue.h"

namespace mss::codebook {

inline constexpr int kSignalFlagCount = 40;
inline constexpr int kSubstituteCount = 3;
inline constexpr int kFirstSubstitute = 36;  // the 1st; the 2nd and 3rd follow
inline constexpr int kAnsweringPennant = 39;

enum class FlagKind { Letter, Numeral, Substitute, AnsweringPennant };

struct SignalFlag {
    int index;                      // 0..39
    FlagKind kind;
    char symbol;                    // 'A'..'Z', '0'..'9'; '.' for the answering pennant; 0 for a substitute
    std::string_view shortName;     // "A", "7", "1-й заменяющий", "ответный вымпел"
    std::string_view fullName;      // «флаг A», «вымпел 7», «1-й заменяющий вымпел», «ответный вымпел»
    std::string_view spellingWord;  // "Алфа", "Сэтэсэвн"; empty for the substitutes and the answering pennant
    std::string_view morse;         // ".-"; ".-.-.-" (the decimal point) for the answering pennant;
                                    // empty for the substitutes
};

const std::array<SignalFlag, kSignalFlagCount>& signalFlags();

// The entry of flag `index` (0..39); throws std::out_of_range for any other.
const SignalFlag& signalFlag(int index);

constexpr bool isSignalFlag(int index) { return index >= 0 && index < kSignalFlagCount; }

constexpr bool isSubstitute(int index) {
    return index >= kFirstSubstitute && index < kFirstSubstitute + kSubstituteCount;
}

// The flag of the 1st, 2nd or 3rd substitute (`number` 1..3).
constexpr int substituteFlag(int number) { return kFirstSubstitute + number - 1; }

// 1..3 for a substitute, 0 for any other flag.
constexpr int substituteNumber(int index) { return isSubstitute(index) ? index - kFirstSubstitute + 1 : 0; }

// The flag that shows a character of a group: a letter or a digit its
// catalogue flag, the decimal point '.' the answering pennant.
constexpr std::optional<int> flagOfGroupCharacter(char c) {
    if (c == '.') return kAnsweringPennant;
    return flagIndexOfSymbol(c);
}

}  // namespace mss::codebook
