#pragma once
// The four on-screen keyboards: which command button is which key, where it
// sits in its frame, and what it does as a list of steps.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "steps.h"

namespace mss::signals {

inline constexpr int kFirstCommand = 1;
inline constexpr int kLastCommand = 152;

enum class KeyRole : std::uint8_t { Flag, About, Exit };

struct KeyDefinition {
    int command = 0;   // CommandN
    int frame = 0;     // 1..4
    KeyRole role = KeyRole::Flag;
    int flag = -1;     // flag index for a flag key
    std::string_view caption;
    // Place and size in the frame, in twips.
    int left = 0, top = 0, width = 0, height = 0;
    int tabOrder = 0;  // tab index within the window
    StepList steps;    // empty for About and Exit: the window handles them
};

// Every key of every keyboard, by command number; nullptr for numbers that are
// not keys (none between 1 and 152).
const KeyDefinition* keyDefinition(int command);

// The 38 keys of frame 1..4 in reading order (36 flag keys, About, Exit).
std::span<const KeyDefinition* const> keysOfFrame(int frame);

// The question an Exit key asks.
std::string_view exitQuestion(int frame);

}  // namespace mss::signals
