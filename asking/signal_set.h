// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The groups of signals a question may be about, and the ways a question is
// put. Both have short stable names that the progress file keeps, so
// renaming an enumerator never orphans a learner's progress.

#include <cstdint>
#include <optional>
#include <string_view>

namespace mss::asking {

enum class SignalSet : std::uint8_t {
    Flags,         // the 36 flags and pennants, known by their symbol "A".."Z", "0".."9"
    SingleLetter,  // the single-letter signals "A".."Z" (25 of them)
    General,       // the general section, "AA" .. "ZZ" with complements such as "AE1"
    Medical,       // the medical section, "MAA" ..
    Tables,        // the tables of complements, "I-3" and the like
};

enum class AskMode : std::uint8_t {
    RecogniseFlag,  // a flag is shown: which one is it?
    Meaning,        // a signal is shown: which of four meanings is its own?
    Compose,        // a meaning is shown: hoist its signal
};

inline constexpr SignalSet kAllSets[] = {SignalSet::Flags, SignalSet::SingleLetter, SignalSet::General,
                                         SignalSet::Medical, SignalSet::Tables};
inline constexpr AskMode kAllModes[] = {AskMode::RecogniseFlag, AskMode::Meaning, AskMode::Compose};

// "flags", "single", "general", "medical", "tables".
std::string_view storedName(SignalSet set);
// "flag", "meaning", "compose".
std::string_view storedName(AskMode mode);

std::optional<SignalSet> signalSetNamed(std::string_view name);
std::optional<AskMode> askModeNamed(std::string_view name);

}  // namespace mss::asking
