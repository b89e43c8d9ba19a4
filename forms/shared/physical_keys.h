// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which flag key a key of the computer's keyboard stands for. Keys are
// matched by their place on the keyboard, so that on a Russian layout the
// key where Q is still gives Q.

#include <optional>

class QKeyEvent;
class QString;

namespace mss::forms {

// The symbol ('A'..'Z', '0'..'9') of the on-screen key that a pressed key
// means, or nothing for any other key.
std::optional<char> symbolOfKeyPress(const QKeyEvent& event);

// The flag (0..39) a pressed key puts up in the drill: a letter or digit
// as above, and with Shift the keys 1, 2 and 3 the substitutes and 0 the
// answering pennant (matched by place too, so the Russian layout works the
// same); nothing for any other key.
std::optional<int> flagOfKeyPress(const QKeyEvent& event);

// The same from the parts of a key event: the X11 key code (0 when the
// platform gives none), Qt's key and the text it produced.
std::optional<char> symbolOfKey(unsigned x11KeyCode, int qtKey, const QString& text);

}  // namespace mss::forms
