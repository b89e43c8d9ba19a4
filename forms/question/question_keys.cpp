// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/question/question_keys.h"

#include <QKeyEvent>

#include "forms/shared/physical_keys.h"

namespace mss::forms {

QuestionKey readQuestionKey(const QKeyEvent& event, std::size_t choices) {
    const bool held = event.isAutoRepeat();
    switch (event.key()) {
        case Qt::Key_Backspace: return {QuestionKey::TakeBack, 0, held};
        case Qt::Key_Return:
        case Qt::Key_Enter: return {QuestionKey::Enter, 0, held};
        case Qt::Key_Space: return {QuestionKey::Space, 0, held};
        case Qt::Key_PageUp: return {QuestionKey::Previous, 0, held};
        case Qt::Key_PageDown: return {QuestionKey::Next, 0, held};
        default: break;
    }
    if (choices == 0 || held) return {QuestionKey::None, 0, held};
    const auto symbol = symbolOfKeyPress(event);
    if (!symbol || *symbol < '1' || static_cast<std::size_t>(*symbol - '1') >= choices)
        return {QuestionKey::None, 0, held};
    return {QuestionKey::Choice, static_cast<std::size_t>(*symbol - '1'), held};
}

}  // namespace mss::forms
