// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a key pressed at a question means, the same in the drill and in the
// exam: a digit picks one of the meanings offered (not while it is held,
// so that a held key does not run through them), Backspace takes the last
// flag down, Enter answers or goes on, Space goes on, PageUp and PageDown
// go back and forth between questions. A flag's own key is the keyboard's
// (QuestionKeyboard::type). What each meaning does at a stage is the window's.

#include <cstddef>

class QKeyEvent;

namespace mss::forms {

struct QuestionKey {
    enum Kind { None, Choice, TakeBack, Enter, Space, Previous, Next };
    Kind kind = None;
    std::size_t choice = 0;  // for Choice: the place of the meaning, from 0
    bool held = false;       // the key repeats, held down

    friend bool operator==(const QuestionKey&, const QuestionKey&) = default;
};

// `choices`: how many meanings are offered; 0 where flags are put up.
QuestionKey readQuestionKey(const QKeyEvent& event, std::size_t choices);

}  // namespace mss::forms
