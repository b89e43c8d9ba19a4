// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One question about one signal, as the drill and the exam both put it: the
// signal asked, how, the hoist it shows and, when a meaning is chosen, the
// four meanings offered. And what an answer to it comes to.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "random_source.h"
#include "set_signals.h"
#include "signal_set.h"

namespace mss::asking {

// What a question asks, without its wording: a signal of a set, asked in a
// mode. The exam hands the drill its mistakes so.
struct Topic {
    SignalSet set = SignalSet::Flags;
    AskMode mode = AskMode::RecogniseFlag;
    std::string code;

    friend bool operator==(const Topic&, const Topic&) = default;
};

struct Question {
    SignalSet set = SignalSet::Flags;  // the set the asked signal belongs to
    AskMode mode = AskMode::RecogniseFlag;
    const Signal* signal = nullptr;
    HoistOfSignal hoist;
    // For the meaning of a signal: the meanings offered, in order, and which is right.
    std::vector<const Signal*> choices;
    std::size_t rightChoice = 0;
};

// A question of `mode` about `signal`, one of `list` (every signal of `set`).
// A meaning to choose draws its wrong meanings from `list` with `random`.
Question askAbout(SignalSet set, AskMode mode, const Signal& signal, std::span<const Signal> list,
                  const RandomSource& random);

struct Outcome {
    const Signal* asked = nullptr;
    std::string given;                    // the code given; empty: no answer
    const Signal* givenSignal = nullptr;  // its signal, if the set has one
    bool correct = false;
};

// What the answer `given` to `question` comes to; `list` is every signal of
// its set. No answer is a wrong one.
Outcome judge(const Question& question, std::string given, std::span<const Signal> list);

}  // namespace mss::asking
