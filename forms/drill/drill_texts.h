// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drill window says, in Russian: the sets and modes, the
// questions, the answers, the score and the summary of a session. The words
// it shares with the exam are wording/drill_words.h (a quoted meaning, a
// set's name) and forms/question/question_texts.h (the flags typed).

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

#include "drill/drill_flow.h"

namespace mss::forms::drill_texts {

inline const QString kWindowTitle = QStringLiteral("Тренировка");
// Asked before the progress is reset.
inline const QString kResetQuestion = QStringLiteral(
    "Сбросить весь прогресс? Все ответы и состояние всех сигналов будут удалены, вернуть их будет нельзя.");

// `signalCount` is how many signals the set has.
QString setToolTip(asking::SignalSet set, int signalCount);
QString modeTitle(asking::AskMode mode);
QString modeToolTip(asking::AskMode mode);

// The question as the window asks it, and the line on how to answer.
QString questionText(const drill::DrillChoice& choice, const asking::Question& question);
QString howToAnswer(const drill::DrillChoice& choice, const asking::Question& question);
// What a screen reader hears of the hoist shown with a question, where
// naming the flags is not the learner's task.
QString spokenHoist(const asking::HoistOfSignal& hoist);

// A signal with its flags and meaning: "AE1 (Алфа, Эко, Унауан): «…»".
QString signalWithMeaning(asking::SignalSet set, const asking::Signal& signal);
// The answer given, as the learner typed or chose it.
QString givenAnswer(asking::SignalSet set, const drill::DrillOutcome& outcome);

// The result line after an answer, and what follows it: the right signal
// with its meaning, the answer given when it was wrong, and the signal's
// note on another edition of the code where it has one.
QString resultHeadline(const drill::DrillOutcome& outcome);
QString resultDetails(asking::SignalSet set, const drill::DrillOutcome& outcome);

// "Вопрос 3 из 20 · Верно: 1 из 2 · Подряд: 1".
QString scoreLine(const drill::Tally& tally, int questionNumber, int questionCount, bool finished);

// The summary of a session: its heading, its score, the heading of its
// mistakes (empty when there are none to list) and one line a mistake.
QString summaryHeading(const drill::DrillSummary& summary);
QString summaryScore(const drill::DrillSummary& summary);
QString mistakesHeading(const drill::DrillSummary& summary);
QStringList mistakeLines(const drill::DrillSummary& summary);

// When nothing is due and nothing new is left in the chosen signals.
QString nothingToAskHeading();
QString nothingToAskExplanation(const drill::DrillChoice& choice, const drill::PoolStatus& pool);

}  // namespace mss::forms::drill_texts
