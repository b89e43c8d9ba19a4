// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wait cursor over every window of the program while something long is
// done on the window's thread, until end() or until the object goes.

#include <QApplication>
#include <QCursor>

namespace mss::forms {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { end(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void end() {
        if (on_) QApplication::restoreOverrideCursor();
        on_ = false;
    }
    bool isOn() const { return on_; }

private:
    bool on_ = true;
};

}  // namespace mss::forms
