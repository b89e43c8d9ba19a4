// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the main window's «Тренировка» button (and F2) reaches the drill
// window: one window for the whole program, made when it is first asked for,
// not owned by the main window and never modal; asked for again, it comes
// to the front. The program and the tests wire it the same way.

#include "codebook/codebook.h"
#include "forms/drill/drill_window.h"

namespace mss::forms {

class MainWindow;

// Makes the drill window if there is none (it opens centred on `near`),
// shows it and brings it to the front.
DrillWindow* showDrillWindow(const codebook::CodeBook& book, const DrillWindowOptions& options, QWidget* near);

// The open drill window, or nullptr.
DrillWindow* currentDrillWindow();

// Opens the drill window whenever the main window asks for it. `book` must
// outlive the drill window.
void offerDrill(MainWindow& window, const codebook::CodeBook& book, DrillWindowOptions options);

}  // namespace mss::forms
