// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_keys.h"

#include <QKeyEvent>

#include "drill/drill_flow.h"
#include "forms/question/meaning_buttons.h"
#include "forms/question/question_keyboard.h"
#include "forms/shared/physical_keys.h"

namespace mss::forms {

using Stage = drill::DrillFlow::Stage;

DrillKeyEffect pressDrillKey(drill::DrillFlow& flow, QuestionKeyboard& keyboard, const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    const bool held = event.isAutoRepeat();
    if (flow.stage() == Stage::Asking && flow.question().mode == drill::DrillMode::Meaning) {
        const auto symbol = symbolOfKeyPress(event);
        if (symbol && *symbol >= '1' && *symbol < '1' + MeaningButtons::kCount && !held) {
            flow.pick(static_cast<std::size_t>(*symbol - '1'));
            return DrillKeyEffect::StageChanged;
        }
    } else if (flow.stage() == Stage::Asking) {
        if (event.key() == Qt::Key_Backspace)
            return flow.takeBack() ? DrillKeyEffect::FlagTakenDown : DrillKeyEffect::Handled;
        if (enter) {
            flow.enter();
            return DrillKeyEffect::StageChanged;
        }
        if (keyboard.type(event)) return DrillKeyEffect::Handled;
    } else if (flow.stage() == Stage::Answered && (enter || event.key() == Qt::Key_Space) && !held) {
        flow.next();
        return DrillKeyEffect::StageChanged;
    }
    return DrillKeyEffect::None;
}

}  // namespace mss::forms
