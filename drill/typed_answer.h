// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flags a learner has typed for a question so far, and the rules of
// typing them: which keys count in a set (only letters in the medical
// section, where M stands hoisted already; only a digit for a table of
// complements), how many flags may go up, and when the answer is judged.

#include <cstddef>
#include <string>
#include <string_view>

#include "card_key.h"
#include "set_signals.h"

namespace mss::drill {

class TypedAnswer {
public:
    TypedAnswer() = default;
    // For a question of `mode` about `asked` (a signal of `set`).
    TypedAnswer(DrillSet set, DrillMode mode, const DrillSignal& asked);

    // Puts a flag up; false when the key does not count here or the hoist
    // is full. Where only one flag goes up, a new one takes its place.
    bool add(char symbol);
    // Takes the last flag down; false when none is up.
    bool takeBack();

    bool empty() const { return symbols_.empty(); }
    const std::string& symbols() const { return symbols_; }
    // Whether the answer is judged as soon as this flag is up: reading a
    // one-flag hoist. Every other answer waits for Enter.
    bool judgedAtOnce() const { return mode_ == DrillMode::RecogniseFlag && atMost_ == 1 && !empty(); }
    // The most flags the learner may put up.
    std::size_t atMost() const { return atMost_; }

    // What is up, M and the table included, to show as a hoist.
    HoistOfSignal hoist() const;
    // The flags as the learner reads them: "MAA" in the medical section.
    std::string shown() const;
    // The code the typed flags stand for, as the progress file keeps answers.
    std::string code() const;

private:
    DrillSet set_ = DrillSet::Flags;
    DrillMode mode_ = DrillMode::RecogniseFlag;
    std::string askedCode_;
    HoistOfSignal askedHoist_;
    std::size_t atMost_ = 0;
    std::string symbols_;
};

}  // namespace mss::drill
