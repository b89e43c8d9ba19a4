// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_keys.h"

#include <QKeyEvent>

#include "drill/drill_flow.h"
#include "forms/question/question_keyboard.h"
#include "forms/question/question_keys.h"

namespace mss::forms {

using Stage = drill::DrillFlow::Stage;

DrillKeyEffect pressDrillKey(drill::DrillFlow& flow, QuestionKeyboard& keyboard, const QKeyEvent& event) {
    const bool choosing = flow.question().mode == asking::AskMode::Meaning;
    const QuestionKey key = readQuestionKey(event, choosing ? flow.question().choices.size() : 0);
    if (flow.stage() == Stage::Asking && choosing) {
        if (key.kind == QuestionKey::Choice) {
            flow.pick(key.choice);
            return DrillKeyEffect::StageChanged;
        }
    } else if (flow.stage() == Stage::Asking) {
        if (key.kind == QuestionKey::TakeBack)
            return flow.takeBack() ? DrillKeyEffect::FlagTakenDown : DrillKeyEffect::Handled;
        if (key.kind == QuestionKey::Enter) {
            flow.enter();
            return DrillKeyEffect::StageChanged;
        }
        if (keyboard.type(event)) return DrillKeyEffect::Handled;
    } else if (flow.stage() == Stage::Answered && (key.kind == QuestionKey::Enter || key.kind == QuestionKey::Space) &&
               !key.held) {
        flow.next();
        return DrillKeyEffect::StageChanged;
    }
    return DrillKeyEffect::None;
}

}  // namespace mss::forms
