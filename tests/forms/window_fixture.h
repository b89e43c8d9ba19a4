// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window made from the shipped code book, with an exit question the
// test answers itself, and the learner's actions on it: press a key of the
// keyboard on view, choose a section.

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "engine/keyboards.h"
#include "forms/shared/flag_picture_box.h"
#include "forms/main/hoist_view.h"
#include "forms/shared/keyboard_frame.h"
#include "forms/main/keyboard_panel.h"
#include "forms/main/main_window.h"
#include "forms/main/meaning_line.h"
#include "forms/main/section_buttons.h"
#include "forms/shared/face_button.h"
#include "support/shipped_book.h"

namespace mss::testing {

using codebook::CodeList;
using engine::HoistPosition;
using engine::KeyId;
using engine::Keyboard;
using engine::Section;

// What the exit question was asked, and how the test answers it.
struct ExitAsked {
    int count = 0;
    QString title, question;
    bool answer = false;
};

class WindowFixture {
public:
    std::unique_ptr<forms::MainWindow> window;
    ExitAsked asked;

    // A new window, loaded, shown and exposed.
    bool open() {
        window = std::make_unique<forms::MainWindow>(
            shippedBook(), [this](QWidget*, const QString& title, const QString& question) {
                ++asked.count;
                asked.title = title;
                asked.question = question;
                return asked.answer;
            });
        window->load();
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    // The keyboard on view; nothing unless exactly one is.
    std::optional<Keyboard> keyboardOnView() const {
        std::optional<Keyboard> onView;
        for (Keyboard k : engine::kKeyboards) {
            if (!frame(k)->isVisible()) continue;
            if (onView) return std::nullopt;
            onView = k;
        }
        return onView;
    }

    // The key with this letter or digit on the keyboard on view.
    QPushButton* keyOnView(char symbol) const {
        const auto keyboard = keyboardOnView();
        if (!keyboard) return nullptr;
        return window->keyboards().key(*engine::flagKey(*keyboard, symbol));
    }
    QPushButton* aboutOnView() const { return window->keyboards().key(KeyId::about(*keyboardOnView())); }
    QPushButton* exitOnView() const { return window->keyboards().key(KeyId::exit(*keyboardOnView())); }

    // Clicks the key of `symbol` on the keyboard on view, with the mouse.
    bool press(char symbol) {
        QPushButton* key = keyOnView(symbol);
        if (key == nullptr || !key->isVisible()) return false;
        QTest::mouseClick(key, Qt::LeftButton);
        return true;
    }
    bool pressAll(const char* symbols) {
        for (const char* s = symbols; *s; ++s)
            if (!press(*s)) return false;
        return true;
    }
    void choose(Section section) { QTest::mouseClick(sectionButton(section), Qt::LeftButton); }

    forms::FaceButton* sectionButton(Section s) const { return window->sections().button(s); }
    QComboBox* list(CodeList l) const { return window->meaningLine().list(l); }
    forms::FlagPictureBox* position(HoistPosition p) const { return window->hoist().position(p); }
    forms::FlagPictureBox* medicalM() const { return window->hoist().medicalM(); }
    forms::KeyboardFrame* frame(Keyboard k) const { return window->keyboards().frame(k); }
    QTimer* slideTimer(engine::SlideTimer t) const { return window->slideTimer(t); }
};

inline QString rowText(CodeList list, int row) { return QString::fromStdString(shippedBook().text(list, row)); }

}  // namespace mss::testing
