// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flags a learner has put up for a question so far, and the rules of
// putting them up: which flags count in a set (only letters and
// substitutes in the medical section, where M stands hoisted already; only
// a numeral pennant for a table of complements), how many may go up, that a
// composed hoist is one set's (a flag already up is refused, with the
// reason, and its substitute goes up instead), and when the answer is judged.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "codebook/one_set_hoist.h"
#include "set_signals.h"
#include "signal_set.h"

namespace mss::asking {

class TypedAnswer {
public:
    TypedAnswer() = default;
    // For a question of `mode` about `asked` (a signal of `set`).
    TypedAnswer(SignalSet set, AskMode mode, const Signal& asked);

    // Puts a flag (0..39) up; false when it does not count here, the hoist
    // is full, or one set cannot fly it there (refusal() says why). Where
    // only one flag goes up, a new one takes its place.
    bool raise(int flag);
    // Takes the last flag down; false when none is up.
    bool takeBack();

    bool empty() const { return flags_.empty(); }
    const std::vector<int>& flags() const { return flags_; }
    // Why the last flag offered did not go up; nothing once one did.
    const std::optional<codebook::HoistRefusal>& refusal() const { return refusal_; }
    // Whether the last flag offered found every place taken (atMost()
    // flags up already); false once a flag went up or came down.
    bool refusedAsFull() const { return full_; }
    // Whether the answer is judged as soon as this flag is up: naming a
    // one-flag hoist. Every other answer waits for Enter.
    bool judgedAtOnce() const { return mode_ == AskMode::RecogniseFlag && atMost_ == 1 && !empty(); }
    // The most flags the learner may put up.
    std::size_t atMost() const { return atMost_; }

    // What is up, M and the table included, to show as a hoist.
    HoistOfSignal hoist() const;
    // The flags as the learner reads them, the M hoisted for the learner
    // included: "MAA" for letters named; for a hoist composed, its flags by
    // name, «M, A, 2-й заменяющий». Empty while nothing stands.
    std::string shown() const;
    // The code the flags stand for, as the progress file keeps answers.
    std::string code() const;

private:
    // The flags that stand, M included.
    std::vector<int> standing() const;
    // What a composed hoist gives, M left out; nothing for flags that are
    // no hoist of one set.
    std::optional<std::string> composedGroup() const;

    SignalSet set_ = SignalSet::Flags;
    AskMode mode_ = AskMode::RecogniseFlag;
    std::string askedCode_;
    HoistOfSignal askedHoist_;
    std::size_t atMost_ = 0;
    std::vector<int> flags_;
    std::optional<codebook::HoistRefusal> refusal_;
    bool full_ = false;
};

}  // namespace mss::asking
