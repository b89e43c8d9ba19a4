// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_answer.h"

namespace mss::drill {

TypedAnswer::TypedAnswer(DrillSet set, DrillMode mode, const DrillSignal& asked)
    : set_(set), mode_(mode), askedCode_(asked.code), askedHoist_(hoistOf(set, asked.code)) {
    // Reading a hoist names exactly its flags; composing one may put up as
    // many as the longest signal of the set has.
    atMost_ = mode == DrillMode::RecogniseFlag ? askedHoist_.flags.size() : typedFlagsAtMost(set);
}

bool TypedAnswer::add(char symbol) {
    if (atMost_ == 0 || !mayType(set_, symbol)) return false;
    if (symbols_.size() < atMost_)
        symbols_ += symbol;
    else if (atMost_ == 1)
        symbols_.assign(1, symbol);
    else
        return false;
    return true;
}

bool TypedAnswer::takeBack() {
    if (symbols_.empty()) return false;
    symbols_.pop_back();
    return true;
}

HoistOfSignal TypedAnswer::hoist() const {
    HoistOfSignal up = askedHoist_;
    up.flags = symbols_;
    return up;
}

std::string TypedAnswer::shown() const {
    return symbols_.empty() ? std::string() : hoist().symbols();
}

std::string TypedAnswer::code() const { return codeOfTyped(set_, askedCode_, symbols_); }

}  // namespace mss::drill
