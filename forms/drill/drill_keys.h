// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a key pressed in the drill window means at the stage the drill is in:
// a digit picks one of four meanings, a flag's key raises it (through the
// on-screen keyboard, as a click would), Backspace takes the last flag down,
// Enter answers; once answered, Enter or Space goes on. A held key does not
// run through choices or questions.

class QKeyEvent;

namespace mss::drill {
class DrillFlow;
}

namespace mss::forms {

class QuestionKeyboard;

enum class DrillKeyEffect {
    None,           // not a key of the drill at this stage
    Handled,        // taken, and whatever changed is already shown
    FlagTakenDown,  // the typed answer lost its last flag
    StageChanged,   // the drill moved on: an answer was given, or the next question came
};

DrillKeyEffect pressDrillKey(drill::DrillFlow& flow, QuestionKeyboard& keyboard, const QKeyEvent& event);

}  // namespace mss::forms
