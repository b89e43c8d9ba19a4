// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drill window says, in Russian: the names of the sets and modes,
// the questions, the answers and the score.

#include <QString>

#include <string_view>

#include "drill/set_signals.h"
#include "drill/tally.h"
#include "forms/drill/drill_lesson.h"

namespace mss::forms::drill_texts {

inline const QString kWindowTitle = QStringLiteral("Тренировка");
inline const QString kMedicalNote = QStringLiteral(
    "Большинство текстов медицинского раздела восстановлены по памяти: сверяйте их с печатным изданием.");

QString text(std::string_view utf8);

QString setTitle(drill::DrillSet set);
QString setToolTip(drill::DrillSet set);
QString modeTitle(drill::DrillMode mode);
QString modeToolTip(drill::DrillMode mode);

// "Алфа (A), Эко (E), Унауан (1)": the flags of a hoist by name.
QString flagNames(std::string_view symbols);

// The question as the window asks it, and the line on how to answer.
QString questionText(const DrillChoice& choice, const DrillQuestion& question);
QString howToAnswer(const DrillChoice& choice);

// A signal with its flags and meaning: "AE1 (Алфа, Эко, Унауан): «…»".
QString signalWithMeaning(drill::DrillSet set, const drill::DrillSignal& signal);

// The answer given, as the learner typed or chose it: "AF", "MAB", "цифра 5".
QString givenAnswer(drill::DrillSet set, std::string_view code);

// The result line after an answer, and what a screen reader says of it.
QString resultHeadline(const DrillOutcome& outcome);
QString resultDetails(drill::DrillSet set, const DrillOutcome& outcome);

// "Вопрос 3 из 20   Верно: 1 из 2   Подряд: 1".
QString scoreLine(const drill::Tally& tally, int questionNumber, int questionCount, bool finished);

// One mistake of the summary: the signal asked, its meaning and the answer given.
QString mistakeLine(drill::DrillSet set, const drill::DrillSignal* asked, std::string_view given);

}  // namespace mss::forms::drill_texts
