#pragma once
// The things of the main window whose state the engine keeps: the three hoist
// positions, the elements that can be shown or hidden, and the slide-show
// timers.

#include <array>
#include <cstdint>
#include <string_view>

#include "codebook/code_lists.h"

namespace mss::signals {

using codebook::ListId;

enum class Position : std::uint8_t { Picture1, Picture2, Picture3 };
inline constexpr int kPositionCount = 3;

enum class Element : std::uint8_t {
    Frame1, Frame2, Frame3, Frame4,
    Combo1, Combo2_0, Combo2_1, Combo2_2, Combo3, Combo4,
    Picture1, Picture5, Label1,
};
inline constexpr int kElementCount = 13;

enum class Timer : std::uint8_t { Timer1, Timer2, Timer3 };
inline constexpr int kTimerCount = 3;

inline constexpr std::array<std::string_view, kElementCount> kElementNames{
    "Frame1", "Frame2", "Frame3", "Frame4", "Combo1", "Combo2(0)", "Combo2(1)",
    "Combo2(2)", "Combo3", "Combo4", "Picture1", "Picture5", "Label1"};

constexpr Element elementOfList(ListId list) {
    return static_cast<Element>(static_cast<int>(Element::Combo1) + static_cast<int>(list));
}

constexpr Element frameElement(int frame) {  // frame 1..4
    return static_cast<Element>(frame - 1);
}

constexpr int index(Position p) { return static_cast<int>(p); }
constexpr int index(Element e) { return static_cast<int>(e); }
constexpr int index(Timer t) { return static_cast<int>(t); }
constexpr int index(ListId l) { return static_cast<int>(l); }

}  // namespace mss::signals
