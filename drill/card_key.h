// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a drill question is about: one signal of one set, asked in one mode.
// The set and the mode have short stable names that the progress file keeps,
// so renaming an enumerator never orphans a learner's progress.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mss::drill {

// The groups of signals the learner can drill.
enum class DrillSet : std::uint8_t {
    Flags,         // the 36 flags and pennants, known by their symbol "A".."Z", "0".."9"
    SingleLetter,  // the single-letter signals "A".."Z" (25 of them)
    General,       // the general section, "AA" .. "ZZ" with complements such as "AE1"
    Medical,       // the medical section, "MAA" ..
    Tables,        // the tables of complements, "I-3" and the like
};

// How a question is put.
enum class DrillMode : std::uint8_t {
    RecogniseFlag,  // a flag is shown: which one is it?
    Meaning,        // a signal is shown: which of four meanings is its own?
    Compose,        // a meaning is shown: hoist its signal
};

inline constexpr DrillSet kAllSets[] = {DrillSet::Flags, DrillSet::SingleLetter, DrillSet::General,
                                        DrillSet::Medical, DrillSet::Tables};
inline constexpr DrillMode kAllModes[] = {DrillMode::RecogniseFlag, DrillMode::Meaning, DrillMode::Compose};

// "flags", "single", "general", "medical", "tables".
std::string_view storedName(DrillSet set);
// "flag", "meaning", "compose".
std::string_view storedName(DrillMode mode);

std::optional<DrillSet> drillSetNamed(std::string_view name);
std::optional<DrillMode> drillModeNamed(std::string_view name);

struct CardKey {
    DrillSet set = DrillSet::Flags;
    DrillMode mode = DrillMode::RecogniseFlag;
    std::string code;  // "A", "AE1", "MAA", "I-3"; the flag symbol for the flags set

    friend bool operator==(const CardKey&, const CardKey&) = default;
    friend auto operator<=>(const CardKey&, const CardKey&) = default;
};

struct CardKeyHash {
    std::size_t operator()(const CardKey& key) const noexcept;
};

// "general/meaning/AE1", for messages and test output.
std::string describe(const CardKey& key);

}  // namespace mss::drill
