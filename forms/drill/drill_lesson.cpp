// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_lesson.h"

#include "drill/meaning_choices.h"
#include "drill/session_plan.h"

namespace mss::forms {

namespace {

using drill::DrillSignal;

const drill::Tally kNoAnswers;

}  // namespace

DrillLesson::DrillLesson(const codebook::CodeBook& book, progress::ProgressStore& store, drill::Clock clock,
                         drill::RandomSource random)
    : book_(book), store_(store), clock_(std::move(clock)), random_(std::move(random)) {}

std::span<const DrillSignal> DrillLesson::signalsIn(drill::DrillSet set) const {
    auto known = signals_.find(set);
    if (known == signals_.end()) known = signals_.emplace(set, drill::signalsOfSet(book_, set)).first;
    return known->second;
}

void DrillLesson::start(const DrillChoice& choice) {
    choice_ = choice;
    std::vector<drill::CardKey> pool;
    for (const DrillSignal& s : setSignals())
        if (choice_.firstLetter == 0 || s.code.front() == choice_.firstLetter)
            pool.push_back({choice_.set, choice_.mode, s.code});
    const drill::TimePoint now = clock_();
    drill::CardStates states = store_.cardStates(choice_.set, choice_.mode);
    // Every new signal may come in while there is room: a session is always
    // as long as the pool allows, and signals due come first all the same.
    const drill::SessionOptions options{kQuestionsPerSession, kQuestionsPerSession};
    std::vector<drill::CardKey> plan = drill::planSession(pool, states, now, options, random_);
    session_.emplace(std::move(plan), std::move(states), clock_);
    record_ = {drill::DrillChoice{choice_.set, choice_.mode, choice_.firstLetter}, std::nullopt};
    roundStartsAt_ = 0;
    prepareQuestion();
}

void DrillLesson::prepareQuestion() {
    question_ = {};
    if (finished()) return;
    const auto all = setSignals();
    question_.signal = drill::findSignal(all, session_->currentCard().code);
    if (question_.signal == nullptr) return;  // every card of the plan comes from these signals
    question_.hoist = drill::hoistOf(choice_.set, question_.signal->code);
    if (choice_.mode != drill::DrillMode::Meaning) return;

    std::vector<drill::ChoiceCandidate> candidates;
    candidates.reserve(all.size());
    for (const DrillSignal& s : all) candidates.push_back({s.text, s.group});
    const auto asked = static_cast<std::size_t>(question_.signal - all.data());
    const drill::MeaningChoices choices = drill::chooseMeaningChoices(candidates, asked, random_);
    for (std::size_t i : choices.offered) question_.choices.push_back(&all[i]);
    question_.rightChoice = choices.rightPlace;
}

int DrillLesson::questionCount() const {
    return session_ ? session_->tally().asked + static_cast<int>(session_->questionsLeft()) : 0;
}

const drill::Tally& DrillLesson::tally() const { return session_ ? session_->tally() : kNoAnswers; }

DrillOutcome DrillLesson::answer(std::string_view givenCode) {
    DrillOutcome outcome;
    if (finished() || question_.signal == nullptr) return outcome;
    const auto all = setSignals();
    outcome.asked = question_.signal;
    outcome.given = std::string(givenCode);
    outcome.givenSignal = drill::findSignal(all, givenCode);
    outcome.correct = drill::isRightAnswer(choice_.mode, *question_.signal, givenCode, all);
    const drill::Answer answer = session_->answer(outcome.given, outcome.correct);
    outcome.saved = store_.recordAnswer(answer, record_) == drill::Keeping::Saved;
    prepareQuestion();
    return outcome;
}

void DrillLesson::stopEarly() {
    if (!session_) return;
    session_->stopEarly();
    question_ = {};
}

std::size_t DrillLesson::repeatMistakes() {
    if (!session_) return 0;
    roundStartsAt_ = session_->tally().mistakes.size();
    const std::size_t added = session_->repeatMistakes();
    prepareQuestion();
    return added;
}

std::span<const drill::Mistake> DrillLesson::mistakesOfRound() const {
    const auto& mistakes = tally().mistakes;
    return std::span<const drill::Mistake>(mistakes).subspan(std::min(roundStartsAt_, mistakes.size()));
}

std::optional<DrillChoice> DrillLesson::lastDrilled(progress::ProgressStore& store) {
    const auto last = store.lastChoice();
    if (!last) return std::nullopt;
    return DrillChoice{last->set, last->mode, last->firstLetter};
}

}  // namespace mss::forms
