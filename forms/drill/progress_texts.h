// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the progress page says, in Russian: the label, tooltip and spoken
// text of each recent session's bar, the line on sessions left out of the
// chart, and the rows of the learner's hardest signals. Dates are in local
// time.

#include <QString>
#include <QStringList>

#include "asking/set_signals.h"
#include "drill/drill_choice.h"
#include "progress/progress_figures.h"

namespace mss::forms::progress_texts {

// The limits the page is read with, named where its texts use them.
inline constexpr int kFewestAnswersCharted = progress::kFewestAnswersCharted;
inline constexpr int kHardestShown = progress::kHardestShown;

// "Общий раздел, на букву C, «Набери сигнал»".
QString choiceText(const drill::DrillChoice& choice);

// The day under a session's bar: "15.03".
QString sessionDay(const progress::SessionSummary& session);
// The session's date and time, what was drilled and its score, one a line.
QString sessionToolTip(const progress::SessionSummary& session);
// The same as a screen reader hears it, in sentences.
QString sessionSpoken(const progress::SessionSummary& session);

// "Последние занятия: верно 35 из 50 (70 %)".
QString sessionsHeading(int answers, int right);
// The line under the chart: how many sessions it leaves out, or that it
// has none to show; empty when every session is on it.
QString sessionsNote(int shown, int leftOut);

// The line over the hardest signals: the set and mode, and what is counted.
QString hardestScope(const drill::DrillChoice& choice);
// The line that stands for an empty list.
QString noHardestSignals();
// The headings of the list's columns: the signal, its hoist, its meaning
// (for the flags set: the flag's name) and how many of its last answers
// were wrong.
QStringList hardestHeadings(asking::SignalSet set);
// One signal's cells under those headings; the hoist, which the list shows
// as flags, by the flags' names («Лима, Голф, Тэратри»; «флаг E»).
QStringList hardestCells(asking::SignalSet set, const asking::Signal& signal, const progress::HardSignal& hard);
// The whole row as one line, for its tooltip and a screen reader.
QString hardestLine(asking::SignalSet set, const asking::Signal& signal, const progress::HardSignal& hard);

}  // namespace mss::forms::progress_texts
