// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four on-screen keyboards of the main window: their frames and keys,
// the keys of the computer's keyboard that stand for them, and their places
// in the tab order. A press of a key, by mouse, by typing or by a screen
// reader, comes out as keyPressed.

#include <QObject>

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "engine/keyboards.h"
#include "engine/keys.h"

class QKeyEvent;
class QPushButton;
class QWidget;

namespace mss::forms {

class KeyboardFrame;

class KeyboardPanel : public QObject {
    Q_OBJECT

public:
    // The frames and keys become children of `client`.
    explicit KeyboardPanel(QWidget* client);

    KeyboardFrame* frame(engine::Keyboard keyboard) const { return frames_[engine::slotOf(keyboard)]; }
    QPushButton* key(engine::KeyId key) const;

    // Presses the key of the keyboard on view that a typed letter or digit
    // stands for, as a click would; false when the key press is no such key.
    bool type(const QKeyEvent& event);

    // Every key with its tab index.
    std::vector<std::pair<int, QWidget*>> tabStops() const;

    // The keyboard whose key has the keyboard focus, if any.
    std::optional<engine::Keyboard> keyboardWithFocus() const;
    // Gives the focus to `keyboard`: to its key of `flag` where it has one,
    // else to its first flag key in the tab order.
    void focusKeyboard(engine::Keyboard keyboard, int flag);

Q_SIGNALS:
    void keyPressed(mss::engine::KeyId key);

private:
    std::array<KeyboardFrame*, engine::kKeyboards.size()> frames_{};
    std::array<std::array<QPushButton*, engine::kKeysPerKeyboard>, engine::kKeyboards.size()> keys_{};
};

}  // namespace mss::forms
