// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four on-screen keyboards: their keys and what each key does, as a list
// of steps.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "keys.h"
#include "steps.h"
#include "typewriter.h"

namespace mss::engine {

// 36 flag keys in reading order, then About and Exit.
inline constexpr std::size_t kKeysPerKeyboard = typewriterKeyCount() + 2;
inline constexpr std::size_t kKeyCount = kKeysPerKeyboard * kKeyboards.size();

struct KeyDefinition {
    KeyId id;
    std::string_view caption;  // "Aa", "1", "О программе", "Выход"
    int typewriterRow = -1;    // 0..3 for a flag key, -1 for About and Exit
    int placeInRow = -1;
    StepList steps;            // empty for About and Exit: the window handles them
};

// The keys of one keyboard: the flag keys in reading order, then About and Exit.
std::span<const KeyDefinition> keysOf(Keyboard keyboard);

const KeyDefinition& definitionOf(KeyId key);

// The flag key with the symbol 'A'..'Z' or '0'..'9' on a keyboard.
std::optional<KeyId> flagKey(Keyboard keyboard, char symbol);

}  // namespace mss::engine
