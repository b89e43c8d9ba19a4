// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/show_signal.h"

#include "engine/composition.h"
#include "forms/main/main_window.h"

namespace mss::forms {

bool showSignal(MainWindow& window, std::string_view code) {
    const auto composition = engine::compositionOf(code);
    if (!composition) return false;
    window.sectionChosen(composition->section);
    for (const engine::KeyId& key : composition->keys) window.keyPressed(key);
    return true;
}

}  // namespace mss::forms
