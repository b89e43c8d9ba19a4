// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drill's keyboard: the 36 flag keys of the single-letter keyboard, in
// its typewriter rows and look, without its About and Exit keys. A key
// pressed by mouse, by typing or by a screen reader comes out as
// flagPressed.

#include <QObject>

#include <array>

#include "codebook/flag_catalogue.h"
#include "forms/shared/keyboard_frame.h"

class QKeyEvent;
class QPushButton;

namespace mss::forms {

class DrillKeyboard : public KeyboardFrame {
    Q_OBJECT

public:
    explicit DrillKeyboard(QWidget* parent);

    // The key of a letter or digit.
    QPushButton* key(char symbol) const;

    // Presses the key a typed letter or digit stands for (matched by its
    // place, as on the main window); false when the key press is no such key.
    bool type(const QKeyEvent& event);

Q_SIGNALS:
    void flagPressed(char symbol);

private:
    std::array<QPushButton*, codebook::kFlagCount> keys_{};
};

}  // namespace mss::forms
