// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill_flow.h"

#include "codebook/flag_catalogue.h"
#include "session_plan.h"

namespace mss::drill {

namespace {

const Tally kNoAnswers;

}  // namespace

DrillFlow::DrillFlow(const codebook::CodeBook& book, ProgressKeeper& keeper, asking::Clock clock,
                     asking::RandomSource random)
    : book_(book), keeper_(keeper), clock_(std::move(clock)), random_(std::move(random)) {}

std::span<const asking::Signal> DrillFlow::signalsIn(asking::SignalSet set) const {
    auto known = signals_.find(set);
    if (known == signals_.end()) known = signals_.emplace(set, asking::signalsOfSet(book_, set)).first;
    return known->second;
}

void DrillFlow::open() { choose(keeper_.lastChoice().value_or(DrillChoice{})); }

std::vector<CardKey> DrillFlow::poolOfChoice() const {
    std::vector<CardKey> pool;
    for (const asking::Signal& s : setSignals())
        if (choice_.firstLetter == 0 || s.code.front() == choice_.firstLetter)
            pool.push_back({choice_.set, choice_.mode, s.code});
    return pool;
}

void DrillFlow::choose(const DrillChoice& choice) {
    choice_ = choice;
    if (choice_.set != asking::SignalSet::General) choice_.firstLetter = 0;
    const std::vector<CardKey> pool = poolOfChoice();
    CardStates states = keeper_.cardStates(choice_.set, choice_.mode);
    const asking::TimePoint now = clock_();
    // New signals may fill the session while there is room; those due come first.
    const SessionOptions options{kQuestionsPerSession, kQuestionsPerSession};
    std::vector<CardKey> plan = planSession(pool, states, now, options, random_);
    pool_ = drill::poolStatus(pool, states, now);
    startSession(std::move(plan), std::move(states), Review::Scheduled);
}

void DrillFlow::reviewEarly() {
    if (stage_ != Stage::NothingToAsk && stage_ != Stage::Summary) return;
    const std::vector<CardKey> pool = poolOfChoice();
    CardStates states = keeper_.cardStates(choice_.set, choice_.mode);
    std::vector<CardKey> plan = planEarlyReview(pool, states, clock_(), kQuestionsPerSession, random_);
    startSession(std::move(plan), std::move(states), Review::Early);
}

void DrillFlow::drillThese(const std::vector<std::string>& codes) {
    std::vector<CardKey> plan;
    for (const std::string& code : codes)
        if (asking::findSignal(setSignals(), code)) plan.push_back({choice_.set, choice_.mode, code});
    startSession(std::move(plan), keeper_.cardStates(choice_.set, choice_.mode), Review::Scheduled);
}

void DrillFlow::drillTopics(const std::vector<asking::Topic>& topics) {
    std::vector<CardKey> plan;
    CardStates states;
    for (const asking::Topic& topic : topics) {
        if (!asking::findSignal(signalsIn(topic.set), topic.code)) continue;
        const CardKey card{topic.set, topic.mode, topic.code};
        plan.push_back(card);
        for (auto& [key, state] : keeper_.cardStates(card.set, card.mode))
            if (key == card) states.emplace(key, state);
    }
    if (!plan.empty()) choice_ = {plan.front().set, plan.front().mode, 0};
    startSession(std::move(plan), std::move(states), Review::Scheduled);
}

void DrillFlow::startSession(std::vector<CardKey> plan, CardStates states, Review review) {
    const bool nothingToAsk = plan.empty();
    session_.emplace(std::move(plan), std::move(states), clock_, review);
    record_ = {choice_, std::nullopt};
    roundStartsAt_ = 0;
    askedBeforeRound_ = 0;
    ask();
    if (nothingToAsk) stage_ = Stage::NothingToAsk;
}

void DrillFlow::ask() {
    question_ = {};
    outcome_.reset();
    if (session_->finished()) {
        stage_ = Stage::Summary;
        return;
    }
    stage_ = Stage::Asking;
    const CardKey& card = session_->currentCard();
    const auto all = signalsIn(card.set);
    question_ = asking::askAbout(card.set, card.mode, *asking::findSignal(all, card.code), all, random_);
    typed_ = asking::TypedAnswer(card.set, card.mode, *question_.signal);
}

bool DrillFlow::raise(int flag) {
    if (stage_ != Stage::Asking || question_.mode == asking::AskMode::Meaning || !typed_.raise(flag)) return false;
    if (typed_.judgedAtOnce()) answer(typed_.code());
    return true;
}

bool DrillFlow::type(char symbol) {
    const auto flag = codebook::flagIndexOfSymbol(symbol);
    return flag && raise(*flag);
}

bool DrillFlow::takeBack() { return stage_ == Stage::Asking && typed_.takeBack(); }

void DrillFlow::enter() {
    if (stage_ == Stage::Answered) return next();
    if (stage_ != Stage::Asking || question_.mode == asking::AskMode::Meaning || typed_.empty()) return;
    answer(typed_.code());
}

void DrillFlow::pick(std::size_t place) {
    if (stage_ != Stage::Asking || question_.mode != asking::AskMode::Meaning || place >= question_.choices.size())
        return;
    answer(question_.choices[place]->code);
}

void DrillFlow::answer(const std::string& givenCode) {
    DrillOutcome outcome{asking::judge(question_, givenCode, signalsIn(question_.set))};
    const Answer answer = session_->answer(outcome.given, outcome.correct);
    outcome.keeping = keeper_.recordAnswer(answer, record_);
    outcome_ = std::move(outcome);
    stage_ = Stage::Answered;
}

void DrillFlow::next() {
    if (stage_ == Stage::Answered) ask();
}

void DrillFlow::finish() {
    if (stage_ != Stage::Asking && stage_ != Stage::Answered) return;
    session_->stopEarly();
    ask();
}

void DrillFlow::repeatMistakes() {
    if (stage_ != Stage::Summary) return;
    roundStartsAt_ = session_->tally().mistakes.size();
    askedBeforeRound_ = session_->tally().asked;
    if (session_->repeatMistakes() > 0) ask();
}

void DrillFlow::showProgress() {
    if (stage_ == Stage::Progress) return;
    stageBeforeProgress_ = stage_;
    stage_ = Stage::Progress;
}

void DrillFlow::leaveProgress() {
    if (stage_ != Stage::Progress) return;
    stage_ = stageBeforeProgress_;
    // A question is asked anew, the flags typed so far taken down.
    if (stage_ == Stage::Asking) typed_ = asking::TypedAnswer(question_.set, question_.mode, *question_.signal);
}

const Tally& DrillFlow::tally() const { return session_ ? session_->tally() : kNoAnswers; }

int DrillFlow::questionNumber() const {
    return tally().asked - askedBeforeRound_ + (stage_ == Stage::Answered ? 0 : 1);
}

int DrillFlow::questionCount() const {
    return session_ ? session_->tally().asked - askedBeforeRound_ + static_cast<int>(session_->questionsLeft()) : 0;
}

DrillSummary DrillFlow::summary() const {
    DrillSummary s{choice_, tally(), {}, reviewingEarly()};
    const auto& mistakes = s.tally.mistakes;
    for (std::size_t i = std::min(roundStartsAt_, mistakes.size()); i < mistakes.size(); ++i)
        s.mistakes.push_back({mistakes[i].card.set,
                              asking::findSignal(signalsIn(mistakes[i].card.set), mistakes[i].card.code),
                              mistakes[i].given});
    return s;
}

}  // namespace mss::drill
