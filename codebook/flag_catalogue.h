// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 36 signal flags the program can hoist: letters A..Z, then the numeral
// pennants 1..9, then the pennant 0. A flag is known everywhere by its index.

#include <array>
#include <optional>
#include <string_view>

namespace mss::codebook {

inline constexpr int kFlagCount = 36;
inline constexpr int kLetterCount = 26;

struct FlagEntry {
    int index;
    char symbol;                    // 'A'..'Z' or '0'..'9'
    std::string_view keyCaption;    // text on every key that hoists the flag
    std::string_view phoneticName;  // tooltip of those keys, UTF-8 (the spelling word of signal_flags.h)
};

const std::array<FlagEntry, kFlagCount>& flagCatalogue();

// The catalogue entry of flag `index` (0..35).
const FlagEntry& flagEntry(int index);

// A capital letter gives its place in the alphabet, a digit 1..9 gives 25 + d,
// the digit 0 gives 35. Anything else has no flag.
constexpr std::optional<int> flagIndexOfSymbol(char symbol) {
    if (symbol >= 'A' && symbol <= 'Z') return symbol - 'A';
    if (symbol >= '1' && symbol <= '9') return 25 + (symbol - '0');
    if (symbol == '0') return 35;
    return std::nullopt;
}

constexpr char symbolOfFlag(int index) {
    if (index >= 0 && index < kLetterCount) return static_cast<char>('A' + index);
    if (index >= 26 && index <= 34) return static_cast<char>('1' + (index - 26));
    if (index == 35) return '0';
    return '?';
}

constexpr bool isLetterFlag(int index) { return index >= 0 && index < kLetterCount; }

// The digit 0..9 shown by a numeral pennant.
constexpr int digitOfFlag(int index) { return index == 35 ? 0 : index - 25; }

}  // namespace mss::codebook
