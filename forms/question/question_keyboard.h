// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard a question is answered on: the 36 flag keys of the single-letter keyboard, in
// its typewriter rows and look, and under them a row of their own for the
// three substitutes and the answering pennant (Shift+1, Shift+2, Shift+3
// and Shift+0 on the computer's keyboard). A key pressed by mouse, by typing
// or by a screen reader comes out as flagPressed.

#include <QObject>

#include <array>

#include "codebook/signal_flags.h"
#include "forms/shared/keyboard_frame.h"

class QKeyEvent;
class QPushButton;

namespace mss::forms {

class QuestionKeyboard : public KeyboardFrame {
    Q_OBJECT

public:
    explicit QuestionKeyboard(QWidget* parent);

    // The key of a flag (0..39), or of a letter or digit.
    QPushButton* key(int flag) const;
    QPushButton* key(char symbol) const;
    // Presses the key a typed key stands for (matched by its place, as on
    // the main window); false when the key press is no such key or its key
    // is off.
    bool type(const QKeyEvent& event);
    // Which keys count for the question in hand; the others are greyed.
    void enableFlags(const std::function<bool(int flag)>& counts);

Q_SIGNALS:
    void flagPressed(int flag);

private:
    std::array<QPushButton*, codebook::kSignalFlagCount> keys_{};
};

}  // namespace mss::forms
