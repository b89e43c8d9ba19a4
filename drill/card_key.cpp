// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_key.h"

#include <functional>

namespace mss::drill {

namespace {

constexpr std::string_view kSetNames[] = {"flags", "single", "general", "medical", "tables"};
constexpr std::string_view kModeNames[] = {"flag", "meaning", "compose"};

}  // namespace

std::string_view storedName(DrillSet set) { return kSetNames[static_cast<std::size_t>(set)]; }

std::string_view storedName(DrillMode mode) { return kModeNames[static_cast<std::size_t>(mode)]; }

std::optional<DrillSet> drillSetNamed(std::string_view name) {
    for (DrillSet set : kAllSets)
        if (storedName(set) == name) return set;
    return std::nullopt;
}

std::optional<DrillMode> drillModeNamed(std::string_view name) {
    for (DrillMode mode : kAllModes)
        if (storedName(mode) == name) return mode;
    return std::nullopt;
}

std::size_t CardKeyHash::operator()(const CardKey& key) const noexcept {
    const std::size_t small = (static_cast<std::size_t>(key.set) << 4) | static_cast<std::size_t>(key.mode);
    return std::hash<std::string>{}(key.code) ^ (small * 0x9E3779B97F4A7C15ull);
}

std::string describe(const CardKey& key) {
    std::string text(storedName(key.set));
    text += '/';
    text += storedName(key.mode);
    text += '/';
    text += key.code;
    return text;
}

}  // namespace mss::drill
