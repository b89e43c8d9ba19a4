// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The meaning line's lists drop down as a list of at most their visible
// rows, below or above the line and within the screen, instead of as a menu
// of every row, which is how the toolkit's style would show them.

class QStyle;

namespace mss::forms {

// One style for every list; it belongs to the application.
QStyle* listPopupStyle();

}  // namespace mss::forms
