// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal_set.h"

#include <cstddef>

namespace mss::asking {

namespace {

constexpr std::string_view kSetNames[] = {"flags", "single", "general", "medical", "tables"};
constexpr std::string_view kModeNames[] = {"flag", "meaning", "compose"};

}  // namespace

std::string_view storedName(SignalSet set) { return kSetNames[static_cast<std::size_t>(set)]; }

std::string_view storedName(AskMode mode) { return kModeNames[static_cast<std::size_t>(mode)]; }

std::optional<SignalSet> signalSetNamed(std::string_view name) {
    for (SignalSet set : kAllSets)
        if (storedName(set) == name) return set;
    return std::nullopt;
}

std::optional<AskMode> askModeNamed(std::string_view name) {
    for (AskMode mode : kAllModes)
        if (storedName(mode) == name) return mode;
    return std::nullopt;
}

}  // namespace mss::asking
