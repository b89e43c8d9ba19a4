// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolkit ends the program when it finds no display to open a window
// on. While the application object is being made, its messages are held
// back; should it fail, the learner reads why in Russian and the program
// ends with a status, not a crash.

namespace mss::app {

class DisplayCheck {
public:
    DisplayCheck();   // from here on the toolkit's messages wait
    ~DisplayCheck();  // they go out as usual, as they would have
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // The exit status when no display can be opened.
    static constexpr int kNoDisplay = 1;
};

}  // namespace mss::app
