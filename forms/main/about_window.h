// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About window: the code's name, the program's title, the version and
// its authors. One window for the whole program, not owned by the main
// window and never modal.

#include <QWidget>

class QPushButton;

namespace mss::forms {

class AboutWindow : public QWidget {
public:
    // Creates the About window if there is none and shows it; `near` is the
    // window it opens centred on.
    static AboutWindow* showAboutWindow(QWidget* near);
    // The open About window, or nullptr.
    static AboutWindow* current();

    QPushButton* okButton() const { return ok_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    AboutWindow();
    QPushButton* ok_ = nullptr;
};

}  // namespace mss::forms
