// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts a signal up on the main window the way a learner would: chooses its
// section and presses its keys through the window's own handlers (for a row
// of a table of complements, its digit once the table is chosen), so that
// the hoist, the keyboard on view and the meaning line end as if the code had
// been typed.

#include <string_view>

namespace mss::forms {

class MainWindow;

// False, and nothing done, for a code the code book lacks.
bool showSignal(MainWindow& window, std::string_view code);

}  // namespace mss::forms
