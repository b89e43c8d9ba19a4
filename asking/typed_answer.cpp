// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_answer.h"

#include "codebook/hoist_words.h"
#include "codebook/signal_flags.h"

namespace mss::asking {

namespace {

constexpr int kFlagM = 'M' - 'A';

// Naming flags by what they give: letters and digits, as a code is written.
std::string symbolsOf(const std::vector<int>& flags) {
    std::string symbols;
    for (int flag : flags) symbols += codebook::signalFlag(flag).symbol;
    return symbols;
}

}  // namespace

TypedAnswer::TypedAnswer(SignalSet set, AskMode mode, const Signal& asked)
    : set_(set), mode_(mode), askedCode_(asked.code), askedHoist_(hoistOf(set, asked.code)) {
    // Naming a hoist takes exactly its flags (M stands); composing one may
    // put up as many as the longest signal of the set has.
    const std::size_t m = askedHoist_.medicalM ? 1 : 0;
    atMost_ = mode == AskMode::RecogniseFlag ? askedHoist_.flown.size() - m : typedFlagsAtMost(set);
    if (set == SignalSet::Flags) atMost_ = 1;
}

std::vector<int> TypedAnswer::standing() const {
    std::vector<int> up;
    if (askedHoist_.medicalM) up.push_back(kFlagM);
    up.insert(up.end(), flags_.begin(), flags_.end());
    return up;
}

bool TypedAnswer::raise(int flag) {
    if (atMost_ == 0 || !mayRaise(set_, mode_, flag)) return false;
    if (atMost_ == 1) {
        flags_.assign(1, flag);
        refusal_.reset();
        return true;
    }
    full_ = flags_.size() >= atMost_;
    if (full_) {
        refusal_.reset();
        return false;
    }
    // A hoist composed is one set's: each flag flies once.
    if (mode_ == AskMode::Compose) {
        refusal_ = codebook::refusalOfNextFlag(standing(), flag);
        if (refusal_) return false;
    }
    flags_.push_back(flag);
    return true;
}

bool TypedAnswer::takeBack() {
    if (flags_.empty()) return false;
    flags_.pop_back();
    refusal_.reset();
    full_ = false;
    return true;
}

std::optional<std::string> TypedAnswer::composedGroup() const {
    const codebook::DecodedHoist decoded = codebook::decodeHoist(standing());
    if (!decoded.ok()) return std::nullopt;
    return askedHoist_.medicalM ? decoded.group.substr(1) : decoded.group;
}

HoistOfSignal TypedAnswer::hoist() const {
    HoistOfSignal up = askedHoist_;
    up.flags = mode_ == AskMode::Compose ? composedGroup().value_or(std::string()) : symbolsOf(flags_);
    up.flown = standing();
    return up;
}

std::string TypedAnswer::shown() const {
    if (standing().empty()) return {};
    if (set_ == SignalSet::Flags) return std::string(codebook::signalFlag(flags_.front()).shortName);
    if (mode_ == AskMode::Compose) return codebook::hoistLine(standing());
    return hoist().symbols();
}

std::string TypedAnswer::code() const {
    if (flags_.empty()) return {};
    if (set_ == SignalSet::Flags) return std::string(codebook::signalFlag(flags_.front()).shortName);
    if (mode_ != AskMode::Compose) return codeOfTyped(set_, askedCode_, symbolsOf(flags_));
    // A hoist composed stands for the group one set flies with it.
    if (const auto group = composedGroup()) return codeOfTyped(set_, askedCode_, *group);
    return codebook::hoistLine(standing());
}

}  // namespace mss::asking
