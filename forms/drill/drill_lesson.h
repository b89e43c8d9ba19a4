// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The learner at the drill, without the window: the set and mode chosen,
// the session of questions, the question being asked with its hoist and
// (for the meaning of a signal) the four meanings offered, and every answer
// recorded in the progress file before the next question is asked.

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codebook/codebook.h"
#include "drill/drill_session.h"
#include "drill/progress_keeper.h"
#include "drill/random_source.h"
#include "drill/set_signals.h"
#include "progress/progress_store.h"

namespace mss::forms {

// What the learner drills: a set, a mode and, in the general section, if
// wanted, only the signals of one first letter.
struct DrillChoice {
    drill::DrillSet set = drill::DrillSet::Flags;
    drill::DrillMode mode = drill::DrillMode::RecogniseFlag;
    char firstLetter = 0;  // 'A'..'Z', or 0 for every signal of the set

    friend bool operator==(const DrillChoice&, const DrillChoice&) = default;
};

struct DrillQuestion {
    const drill::DrillSignal* signal = nullptr;  // the signal asked
    drill::HoistOfSignal hoist;
    // For the meaning of a signal: the meanings offered, in order, and which is right.
    std::vector<const drill::DrillSignal*> choices;
    std::size_t rightChoice = 0;
};

struct DrillOutcome {
    const drill::DrillSignal* asked = nullptr;
    std::string given;                          // the code given
    const drill::DrillSignal* givenSignal = nullptr;  // its signal, if the set has one
    bool correct = false;
    bool saved = false;  // in the file, not only in memory
};

// A session has this many questions, new signals included.
inline constexpr int kQuestionsPerSession = 20;

class DrillLesson {
public:
    DrillLesson(const codebook::CodeBook& book, progress::ProgressStore& store, drill::Clock clock,
                drill::RandomSource random);

    // Starts a new session of `choice`, the most urgent signals first.
    void start(const DrillChoice& choice);
    const DrillChoice& choice() const { return choice_; }

    // Every signal of the chosen set (the letter does not narrow it), and of any set.
    std::span<const drill::DrillSignal> setSignals() const { return signalsIn(choice_.set); }
    std::span<const drill::DrillSignal> signalsIn(drill::DrillSet set) const;

    // Before the first start() there is no session: it counts as finished.
    bool finished() const { return !session_ || session_->finished(); }
    // The question being asked; only while the session is not finished.
    const DrillQuestion& question() const { return question_; }
    // The number of the question being asked, from 1, and how many the session has.
    int questionNumber() const { return tally().asked + 1; }
    int questionCount() const;

    // Answers the question with a code and records the answer.
    DrillOutcome answer(std::string_view givenCode);

    void stopEarly();
    // Asks again the signals answered wrong since the start or the last repeat.
    std::size_t repeatMistakes();
    const drill::Tally& tally() const;
    // The mistakes since the start or the last repeat.
    std::span<const drill::Mistake> mistakesOfRound() const;

    // The set, mode and letter of the most recent answer in the file;
    // nothing when nothing is recorded.
    static std::optional<DrillChoice> lastDrilled(progress::ProgressStore& store);

private:
    void prepareQuestion();

    const codebook::CodeBook& book_;
    progress::ProgressStore& store_;
    drill::Clock clock_;
    drill::RandomSource random_;
    mutable std::map<drill::DrillSet, std::vector<drill::DrillSignal>> signals_;
    DrillChoice choice_;
    std::optional<drill::DrillSession> session_;
    drill::SessionRecord record_;
    std::size_t roundStartsAt_ = 0;  // the first mistake of the round in the tally
    DrillQuestion question_;
};

}  // namespace mss::forms
