// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A key of an on-screen keyboard: a flag key hoists its flag, the About and
// Exit keys belong to the window.

#include <cstdint>

#include "parts.h"

namespace mss::engine {

enum class KeyRole : std::uint8_t { Flag, About, Exit };

struct KeyId {
    Keyboard keyboard = Keyboard::SingleLetter;
    KeyRole role = KeyRole::Flag;
    int flag = -1;  // the flag a flag key hoists; -1 for About and Exit

    static constexpr KeyId flagKey(Keyboard k, int flag) { return {k, KeyRole::Flag, flag}; }
    static constexpr KeyId about(Keyboard k) { return {k, KeyRole::About, -1}; }
    static constexpr KeyId exit(Keyboard k) { return {k, KeyRole::Exit, -1}; }

    friend constexpr bool operator==(const KeyId&, const KeyId&) = default;
};

}  // namespace mss::engine
