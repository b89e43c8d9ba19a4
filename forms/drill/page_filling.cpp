// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/page_filling.h"

#include <QLabel>

#include "codebook/hoist_words.h"
#include "forms/drill/drill_pages.h"
#include "forms/drill/drill_texts.h"
#include "forms/drill/progress_chart.h"
#include "forms/drill/progress_texts.h"
#include "forms/drill/session_chart.h"
#include "forms/question/meaning_buttons.h"
#include "forms/question/question_hoist.h"
#include "forms/question/question_keyboard.h"
#include "forms/question/question_page.h"
#include "forms/question/question_texts.h"
#include "progress/progress_page_reading.h"
#include "qtext/utf8_text.h"
#include "wording/drill_words.h"

namespace mss::forms {

namespace {

using asking::AskMode;
using asking::SignalSet;
namespace texts = drill_texts;

// The places a composed hoist shows: the flags the learner may raise, and
// the medical M above them.
std::size_t placesOf(const asking::TypedAnswer& typed) { return typed.atMost() + (typed.hoist().medicalM ? 1 : 0); }

}  // namespace

void fillQuestion(QuestionPage& page, const drill::DrillFlow& flow) {
    const asking::Question& q = flow.question();
    // Asked as its own set and mode say (a session of an exam's mistakes mixes them).
    const drill::DrillChoice choice{q.set, q.mode, 0};
    const bool meaning = choice.mode == AskMode::Meaning;
    if (choice.mode == AskMode::Compose)
        page.hoist()->show(flow.typed().hoist(), placesOf(flow.typed()), true);
    else
        page.hoist()->show(q.hoist, q.hoist.flown.size(), meaning);
    const bool reconstructed = choice.mode == AskMode::Compose && q.signal->reconstructed;
    page.ask(texts::questionText(choice, q), meaning ? texts::spokenHoist(q.hoist) : QString(), reconstructed,
             texts::howToAnswer(choice, q), meaning);
    if (meaning) {
        QStringList choiceTexts;
        std::vector<bool> choiceReconstructed;
        for (const asking::Signal* s : q.choices) {
            choiceTexts << QString::fromStdString(s->text);
            choiceReconstructed.push_back(s->reconstructed);
        }
        page.choices()->show(choiceTexts, choiceReconstructed);
    } else {
        page.showTyped(question_texts::typedLine(flow.typed(), choice.mode));  // the medical M stands from the start
    }
    page.keyboard()->enableFlags([choice](int flag) { return asking::mayRaise(choice.set, choice.mode, flag); });
}

void fillTyped(QuestionPage& page, const drill::DrillFlow& flow) {
    const asking::TypedAnswer& typed = flow.typed();
    page.showTyped(question_texts::typedLine(typed, flow.question().mode));
    if (flow.question().mode == AskMode::Compose) page.hoist()->show(typed.hoist(), placesOf(typed), true);
}

void fillAnswer(QuestionPage& page, const drill::DrillFlow& flow) {
    const SignalSet set = flow.question().set;
    const drill::DrillOutcome& outcome = *flow.outcome();
    // The right hoist, flags named, beside the right meaning.
    const asking::HoistOfSignal right = asking::hoistOf(set, outcome.asked->code);
    page.hoist()->show(right, right.flown.size(), true);
    page.showResult(outcome.correct, texts::resultHeadline(outcome), texts::resultDetails(set, outcome),
                    outcome.asked->reconstructed || (outcome.givenSignal && outcome.givenSignal->reconstructed));
    if (flow.question().mode == AskMode::Meaning)
        page.choices()->showRight(static_cast<int>(flow.question().rightChoice));
}

bool fillSummary(SummaryPage& page, const drill::DrillFlow& flow) {
    const drill::DrillSummary summary = flow.summary();
    const QStringList mistakes = texts::mistakeLines(summary);
    page.show(texts::summaryHeading(summary), texts::summaryScore(summary), texts::mistakesHeading(summary), mistakes);
    return !mistakes.isEmpty();
}

void fillNothingToAsk(SummaryPage& page, const drill::DrillFlow& flow) {
    page.showNothingToAsk(texts::nothingToAskHeading(),
                          texts::nothingToAskExplanation(flow.choice(), flow.poolStatus()));
}

void fillProgress(ProgressPage& page, const drill::DrillFlow& flow, progress::ProgressStore& store) {
    const drill::DrillChoice& choice = flow.choice();
    progress::ProgressPageFigures figures = progress::ProgressReading(store).page(
        choice, [&flow](SignalSet set) { return static_cast<int>(flow.signalsIn(set).size()); });
    std::vector<SetProgress> sets;
    for (const progress::SetCounts& set : figures.sets) sets.push_back({wording::setTitle(set.set), set.counts});
    page.chart()->showFigures(texts::modeTitle(choice.mode), std::move(sets));
    page.showSessions(ChartedSessions{std::move(figures.sessions)});
    std::vector<HardRow> hardest;
    for (const progress::HardSignal& hard : figures.hardest)
        if (const asking::Signal* signal = asking::findSignal(flow.setSignals(), hard.code))
            hardest.push_back({signal, hard});
    page.showHardest(choice, hardest);
}

}  // namespace mss::forms
