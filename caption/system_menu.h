// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window menu of the painted caption, as a desktop's own caption offers
// it: on a click on the caption's icon, a right click on the caption, or
// Alt+Space. «Восстановить», «Переместить», «Свернуть», «Развернуть»
// (never on: the window has one size) and «Закрыть» (Alt+F4), each enabled
// as the window's state allows.

#include <functional>

class QMenu;
class QWidget;

namespace mss::caption {

// Builds the menu for `window`'s present state; `move` is what
// «Переместить» does. The menu deletes itself once closed.
QMenu* makeSystemMenu(QWidget* window, std::function<void()> move);

}  // namespace mss::caption
