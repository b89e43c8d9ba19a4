// SPDX-License-Identifier: GPL-3.0-or-later
#include "one_set_hoist.h"

#include <array>
#include <stdexcept>

#include "signal_flags.h"

namespace mss::codebook {

namespace {

constexpr int kCountedPlaces = kSubstituteCount;  // a substitute reaches the first three places of a class

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

enum class FlagClass { None, Letters, Numerals };

FlagClass classOf(char c) {
    if (isLetter(c)) return FlagClass::Letters;
    if (isDigit(c)) return FlagClass::Numerals;
    return FlagClass::None;
}

HoistRefusal refusal(HoistProblem problem, std::size_t at, char character) {
    HoistRefusal r;
    r.problem = problem;
    r.at = at;
    r.character = character;
    return r;
}

// A hoist being made, flag by flag from the top: what each place of each
// class shows and which flags of the set are up.
class HoistInProgress {
public:
    // Encoding: puts up the flag that shows the next character of a group,
    // the real flag if it is still in the locker, else a substitute.
    std::optional<HoistRefusal> addCharacter(char c, bool digitFollows) {
        const std::size_t at = flags_.size();
        if (c == '.') {
            if (used_[kAnsweringPennant]) return refusal(HoistProblem::TwoDecimalPoints, at, c);
            if (!digitAbove() || !digitFollows) return refusal(HoistProblem::DecimalPointMisplaced, at, c);
            put(kAnsweringPennant, c);
            return std::nullopt;
        }
        const int flag = *flagOfGroupCharacter(c);
        if (!used_[static_cast<std::size_t>(flag)]) {
            put(flag, c);
            return std::nullopt;
        }
        return repeat(c);
    }

    // Decoding: reads the next flag down.
    std::optional<HoistRefusal> addFlag(int flag) {
        const std::size_t at = flags_.size();
        if (!isSignalFlag(flag)) throw std::out_of_range("no flag " + std::to_string(flag) + " in a set");
        const SignalFlag& entry = signalFlag(flag);
        if (used_[static_cast<std::size_t>(flag)]) {
            HoistRefusal r = refusal(HoistProblem::FlagTwice, at, entry.symbol);
            r.flag = flag;
            return r;
        }
        char c = entry.symbol;
        if (entry.kind == FlagKind::Substitute) {
            const int n = substituteNumber(flag);
            if (auto problem = unreachablePlace(n, at)) return problem;
            c = places(classAbove())[static_cast<std::size_t>(n - 1)];
        } else if (entry.kind == FlagKind::AnsweringPennant && !digitAbove()) {
            return refusal(HoistProblem::DecimalPointMisplaced, at, c);
        }
        if (pointAbove() && !isDigit(c)) return refusal(HoistProblem::DecimalPointMisplaced, at - 1, '.');
        put(flag, c);
        return std::nullopt;
    }

    // A decimal point last of all has no digit after it.
    std::optional<HoistRefusal> finish() const {
        if (pointAbove()) return refusal(HoistProblem::DecimalPointMisplaced, flags_.size() - 1, '.');
        return std::nullopt;
    }

    const FlownHoist& flags() const { return flags_; }

    std::string group() const {
        std::string g;
        for (const FlownFlag& f : flags_) g.push_back(f.standsFor);
        return g;
    }

private:
    void put(int flag, char c) {
        used_[static_cast<std::size_t>(flag)] = true;
        if (const int n = substituteNumber(flag)) repeats_[static_cast<std::size_t>(n)] = c;
        flags_.push_back({flag, c});
        if (const FlagClass k = classOf(c); k != FlagClass::None) places(k).push_back(c);
    }

    // The class of the flag right above the next one; the answering pennant
    // does not count.
    FlagClass classAbove() const {
        for (auto f = flags_.rbegin(); f != flags_.rend(); ++f)
            if (const FlagClass k = classOf(f->standsFor); k != FlagClass::None) return k;
        return FlagClass::None;
    }

    bool digitAbove() const { return !flags_.empty() && isDigit(flags_.back().standsFor); }
    bool pointAbove() const { return !flags_.empty() && flags_.back().standsFor == '.'; }

    std::vector<char>& places(FlagClass k) { return k == FlagClass::Letters ? letters_ : numerals_; }
    const std::vector<char>& places(FlagClass k) const { return k == FlagClass::Letters ? letters_ : numerals_; }

    // A character whose flag is up already: the substitute for the last place
    // of its class that shows it. Each repeat takes the substitute of the
    // place it repeats, so the places showing one character form a chain and
    // only the last one's substitute can still be free.
    std::optional<HoistRefusal> repeat(char c) {
        const std::size_t at = flags_.size();
        const FlagClass k = classOf(c);
        const FlagClass above = classAbove();
        if (above != k) {
            HoistRefusal r = refusal(HoistProblem::AcrossClasses, at, c);
            r.amongLetters = above == FlagClass::Letters;
            return r;
        }
        const std::vector<char>& shown = places(k);
        int last = 0, times = 0;
        for (std::size_t p = 0; p < shown.size(); ++p)
            if (shown[p] == c) {
                last = static_cast<int>(p) + 1;
                ++times;
            }
        if (last > kCountedPlaces) {
            HoistRefusal r = refusal(times == 1 ? HoistProblem::BelowThirdPlace : HoistProblem::FourthSubstitute, at, c);
            r.amongLetters = k == FlagClass::Letters;
            r.place = last;
            return r;
        }
        const int substitute = substituteFlag(last);
        if (used_[static_cast<std::size_t>(substitute)]) {
            HoistRefusal r = refusal(HoistProblem::SubstituteTaken, at, c);
            r.flag = substitute;
            r.takenBy = repeats_[static_cast<std::size_t>(last)];
            return r;
        }
        put(substitute, c);
        return std::nullopt;
    }

    // Why the n-th substitute has no place to repeat here, if it has none:
    // it repeats the n-th place of the class of the flag above it.
    std::optional<HoistRefusal> unreachablePlace(int n, std::size_t at) const {
        const FlagClass above = classAbove();
        if (above == FlagClass::None) {
            HoistRefusal r = refusal(HoistProblem::NothingToRepeat, at, 0);
            r.flag = substituteFlag(n);
            return r;
        }
        const auto hoisted = static_cast<int>(places(above).size());
        if (hoisted >= n) return std::nullopt;
        HoistRefusal r = refusal(HoistProblem::PlaceNotHoisted, at, 0);
        r.flag = substituteFlag(n);
        r.amongLetters = above == FlagClass::Letters;
        r.place = hoisted;
        return r;
    }

    FlownHoist flags_;
    std::vector<char> letters_, numerals_;          // what each place of a class shows, top first
    std::array<bool, kSignalFlagCount> used_{};     // the flags of the set that are up
    std::array<char, kSubstituteCount + 1> repeats_{};  // by substitute number: what it repeats
};

bool isGroupCharacter(char c) { return isLetter(c) || isDigit(c) || c == '.'; }

}  // namespace

EncodedHoist encodeHoist(std::string_view group) {
    EncodedHoist result;
    if (group.empty()) {
        result.refusal = refusal(HoistProblem::NotAGroup, 0, 0);
        return result;
    }
    for (std::size_t i = 0; i < group.size(); ++i)
        if (!isGroupCharacter(group[i])) {
            const auto byte = static_cast<unsigned char>(group[i]);
            result.refusal = refusal(HoistProblem::NotAGroup, i, byte >= 0x20 && byte < 0x7F ? group[i] : 0);
            return result;
        }
    HoistInProgress hoist;
    for (std::size_t i = 0; i < group.size(); ++i) {
        const bool digitFollows = i + 1 < group.size() && isDigit(group[i + 1]);
        if (auto problem = hoist.addCharacter(group[i], digitFollows)) {
            result.refusal = problem;
            return result;
        }
    }
    result.flags = hoist.flags();
    return result;
}

DecodedHoist decodeHoist(std::span<const int> flags) {
    DecodedHoist result;
    if (flags.empty()) {
        result.refusal = refusal(HoistProblem::NotAGroup, 0, 0);
        return result;
    }
    HoistInProgress hoist;
    for (const int flag : flags)
        if (auto problem = hoist.addFlag(flag)) {
            result.refusal = problem;
            return result;
        }
    if (auto problem = hoist.finish()) {
        result.refusal = problem;
        return result;
    }
    result.group = hoist.group();
    return result;
}

std::optional<HoistRefusal> refusalOfNextFlag(std::span<const int> raised, int next) {
    HoistInProgress hoist;
    for (const int flag : raised)
        if (auto problem = hoist.addFlag(flag)) return problem;
    return hoist.addFlag(next);
}

std::vector<int> flagsOf(const FlownHoist& hoist) {
    std::vector<int> flags;
    flags.reserve(hoist.size());
    for (const FlownFlag& f : hoist) flags.push_back(f.flag);
    return flags;
}

FlownHoist readHoist(std::span<const int> flags) {
    // Flag by flag, as a hoist is made: a hoist half made (a decimal point
    // last, say) still says what each of its substitutes repeats.
    HoistInProgress hoist;
    std::size_t read = 0;
    while (read < flags.size() && !hoist.addFlag(flags[read])) ++read;
    FlownHoist flown = hoist.flags();
    for (; read < flags.size(); ++read) {
        const int flag = flags[read];
        flown.push_back({flag, isSubstitute(flag) ? char(0) : signalFlag(flag).symbol});
    }
    return flown;
}

}  // namespace mss::codebook
