// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drill window's pages show of the drill's flow: the question in
// hand, the flags typed so far, the result of an answer, the summary of a
// session, and the progress of every set with the learner's hardest signals.
// Each fills one page from the flow (and the progress store) and leaves the
// page on view and the focus to the window.

#include "drill/drill_flow.h"
#include "progress/progress_store.h"

namespace mss::forms {

class ProgressPage;
class QuestionPage;
class SummaryPage;

void fillQuestion(QuestionPage& page, const drill::DrillFlow& flow);
void fillTyped(QuestionPage& page, const drill::DrillFlow& flow);
void fillAnswer(QuestionPage& page, const drill::DrillFlow& flow);

// Returns false when the session had no mistakes.
bool fillSummary(SummaryPage& page, const drill::DrillFlow& flow);
void fillNothingToAsk(SummaryPage& page, const drill::DrillFlow& flow);

void fillProgress(ProgressPage& page, const drill::DrillFlow& flow, progress::ProgressStore& store);

}  // namespace mss::forms
