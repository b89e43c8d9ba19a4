// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names the main window gives its controls, kept for the places that
// need them: the widgets' object names, the screen-reader ids and the
// scenario runner's input. Inside the program a key is a keyboard and a
// symbol; here it also gets its control name:
//
//   Command1..Command36     single-letter keyboard, 1 2 … 0 Q … M
//   Command37..Command74    first-flag keyboard (its About and Exit keys are 75, 76)
//   Command77..Command112   second-letter keyboard, numbered from M back to 1
//   Command117..Command152  third-letter keyboard
//   Option1..Option6        the sections; Timer1..Timer3 the slide-show
//   Frame1..Frame4          the keyboards; Combo1, Combo2(0..2), Combo3, Combo4 the lists
//   Picture1..Picture3      the hoist; Picture5 the medical M; Label1 the note on the tables

#include <optional>
#include <string_view>

#include "keyboards.h"
#include "keys.h"
#include "parts.h"

namespace mss::engine {

inline constexpr int kCommandCount = static_cast<int>(kKeyCount);

// CommandN of a key, N = 1..152, and back.
int commandNumber(KeyId key);
std::optional<KeyId> keyOfCommand(int number);

// OptionN of a section, TimerN of a slide-show timer, N counted from 1.
constexpr int optionNumber(Section s) { return static_cast<int>(slotOf(s)) + 1; }
std::optional<Section> sectionOfOption(int number);
constexpr int timerNumber(SlideTimer t) { return static_cast<int>(slotOf(t)) + 1; }
std::optional<SlideTimer> timerOfNumber(int number);

// "Frame2", "Combo2(0)", "Picture5", "Label1"; "Picture1".."Picture3".
std::string_view nameOf(Element e);
std::string_view nameOf(HoistPosition p);
std::string_view nameOf(Keyboard k);
std::string_view nameOf(Section s);  // "Option1".."Option6"

}  // namespace mss::engine
