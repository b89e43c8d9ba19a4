// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the four keyboards of the main window stand and where their keys
// stand within them, in twips, with the keyboards' captions and the questions
// their Exit keys ask. The keys take their places from the typewriter rows;
// the drill's keyboard lays out its flag keys the same way.

#include <QString>

#include <string_view>

#include "engine/keyboards.h"

namespace mss::forms {

using engine::Keyboard;

// One control: its name (also its object name), place and size in twips.
struct ControlLayout {
    std::string_view name;
    int left, top, width, height;
    int tabIndex = -1;  // -1: not in the tab order
    bool visibleAtStart = true;
};

struct KeyboardLayout {
    ControlLayout at;
    QString caption;
    QString exitQuestion;  // what its Exit key asks
    int aboutLeft;         // twips within the keyboard
    // Tab indexes: of the first flag key in reading order and the direction
    // the keys run in, and of the About and Exit keys.
    int firstKeyTab, keyTabStep, aboutTab, exitTab;
};
const KeyboardLayout& keyboardLayout(Keyboard keyboard);

// A key's place within its keyboard, in twips, and its tab index.
ControlLayout keyLayout(const engine::KeyDefinition& key);

}  // namespace mss::forms
