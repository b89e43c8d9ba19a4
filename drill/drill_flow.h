// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The learner at the drill, without a window: the set and mode chosen, the
// session of questions, the question in hand with its hoist, the four
// meanings offered or the flags typed, the outcome of every answer (kept
// before the next question is asked), the summary of a session and the way
// to the progress view. A window shows what the flow says and hands it the
// learner's keys and clicks.

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "asking/question.h"
#include "asking/random_source.h"
#include "asking/set_signals.h"
#include "asking/typed_answer.h"
#include "codebook/codebook.h"
#include "drill_choice.h"
#include "drill_session.h"
#include "progress_keeper.h"
#include "session_plan.h"

namespace mss::drill {

// The answer just given, and what became of it in the progress file.
struct DrillOutcome : asking::Outcome {
    asking::Keeping keeping = asking::Keeping::Saved;
};

struct MistakeMade {
    asking::SignalSet set = asking::SignalSet::Flags;
    const asking::Signal* asked = nullptr;
    std::string given;
};

struct DrillSummary {
    DrillChoice choice;
    Tally tally;
    std::vector<MistakeMade> mistakes;  // of the last round
    bool earlyReview = false;
};

class DrillFlow {
public:
    // Where the learner is. NothingToAsk: nothing is due and no new signal
    // is left in the chosen set; the learner may review early.
    enum class Stage { Asking, Answered, Summary, NothingToAsk, Progress };

    DrillFlow(const codebook::CodeBook& book, ProgressKeeper& keeper, asking::Clock clock, asking::RandomSource random);

    // A new session of the choice drilled last (the flags the first time).
    void open();
    // A new session of `choice`, the most urgent signals first.
    void choose(const DrillChoice& choice);
    // A new session of the same choice (after the progress was reset).
    void restart() { choose(choice_); }
    // When nothing is due: the signals not due yet, soonest first, asked
    // without moving any of them up.
    void reviewEarly();
    // A session of exactly these signals of the set chosen (the learner's
    // hardest, say), in this order.
    void drillThese(const std::vector<std::string>& codes);
    // A session of exactly these questions, each of its own set and mode
    // (the mistakes of an exam ticket), in this order; a code the set does
    // not know is passed over.
    void drillTopics(const std::vector<asking::Topic>& topics);

    // What the learner does. Each does nothing where it makes no sense.
    bool raise(int flag);    // a flag (0..39) put up; false when it does not go up here
    bool type(char symbol);  // the same for a letter or digit
    bool takeBack();
    void enter();            // answers the flags typed, or goes on after an answer
    void pick(std::size_t place);  // one of the meanings offered
    void next();
    void finish();
    void repeatMistakes();
    void showProgress();
    void leaveProgress();

    Stage stage() const { return stage_; }
    const DrillChoice& choice() const { return choice_; }
    // The question in hand, also while its answer is on view.
    const asking::Question& question() const { return question_; }
    const asking::TypedAnswer& typed() const { return typed_; }
    // The answer just given, while it is on view.
    const std::optional<DrillOutcome>& outcome() const { return outcome_; }
    // The session so far: its score and the mistakes of the last round.
    DrillSummary summary() const;
    const Tally& tally() const;
    // The number of the question in hand (from 1) and of questions in all,
    // in the round in hand: a repeat of the mistakes counts its own.
    int questionNumber() const;
    int questionCount() const;

    // Whether the session in hand reviews early.
    bool reviewingEarly() const { return session_ && session_->earlyReview(); }
    // How the chosen signals stand: due, new and waiting, and when the next falls due.
    const PoolStatus& poolStatus() const { return pool_; }

    // Every signal of a set (the letter does not narrow it).
    std::span<const asking::Signal> signalsIn(asking::SignalSet set) const;
    std::span<const asking::Signal> setSignals() const { return signalsIn(choice_.set); }
    // What the learner must be told about the progress file, in Russian.
    std::vector<std::string> notices() const { return keeper_.notices(); }

private:
    std::vector<CardKey> poolOfChoice() const;
    void startSession(std::vector<CardKey> plan, CardStates states, Review review);
    void ask();
    void answer(const std::string& givenCode);

    const codebook::CodeBook& book_;
    ProgressKeeper& keeper_;
    asking::Clock clock_;
    asking::RandomSource random_;
    mutable std::map<asking::SignalSet, std::vector<asking::Signal>> signals_;

    DrillChoice choice_;
    Stage stage_ = Stage::NothingToAsk;
    Stage stageBeforeProgress_ = Stage::NothingToAsk;
    std::optional<DrillSession> session_;
    PoolStatus pool_;
    SessionRecord record_;
    std::size_t roundStartsAt_ = 0;  // the first mistake of the round in the tally
    int askedBeforeRound_ = 0;       // the questions asked in the session's earlier rounds
    asking::Question question_;
    asking::TypedAnswer typed_;
    std::optional<DrillOutcome> outcome_;
};

}  // namespace mss::drill
