// SPDX-License-Identifier: GPL-3.0-or-later
#include "halyard.h"

#include <array>

#include "codebook/hoist_words.h"
#include "codebook/signal_flags.h"

namespace mss::codebook::message {

namespace {

// The flags flying on a halyard so far, each with the group that flies it.
class FlagsInUse {
public:
    FlagsInUse() { owner_.fill(kFree); }

    // The first flag of `hoist` that flies already, and whose it is.
    std::optional<std::pair<int, std::size_t>> clash(const FlownHoist& hoist) const {
        for (const FlownFlag& f : hoist)
            if (owner_[static_cast<std::size_t>(f.flag)] != kFree)
                return std::pair{f.flag, owner_[static_cast<std::size_t>(f.flag)]};
        return std::nullopt;
    }
    void take(const FlownHoist& hoist, std::size_t group) {
        for (const FlownFlag& f : hoist) owner_[static_cast<std::size_t>(f.flag)] = group;
    }

private:
    static constexpr std::size_t kFree = static_cast<std::size_t>(-1);
    std::array<std::size_t, kSignalFlagCount> owner_{};
};

}  // namespace

Halyard flyOnOneHalyard(std::span<const std::string> groups) {
    Halyard halyard;
    FlagsInUse inUse;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        // Each group counts its substitutes afresh: the tackline above it
        // ends the count of the group before.
        EncodedHoist hoist = encodeHoist(groups[i]);
        if (!hoist.ok()) {
            halyard.refusal = HalyardRefusal{i, hoist.refusal, -1, 0};
            return halyard;
        }
        if (const auto clash = inUse.clash(hoist.flags)) {
            halyard.refusal = HalyardRefusal{i, std::nullopt, clash->first, clash->second};
            return halyard;
        }
        inUse.take(hoist.flags, i);
        halyard.groups.push_back(groups[i]);
        halyard.flags.push_back(std::move(hoist.flags));
    }
    return halyard;
}

HoistSplit splitIntoHoists(std::span<const std::string> groups) {
    HoistSplit split;
    Halyard current;
    FlagsInUse inUse;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EncodedHoist hoist = encodeHoist(groups[i]);
        if (!hoist.ok()) {
            split.refusal = HalyardRefusal{i, hoist.refusal, -1, 0};
            break;
        }
        if (inUse.clash(hoist.flags)) {
            split.hoists.push_back(std::move(current));
            current = Halyard{};
            inUse = FlagsInUse{};
        }
        inUse.take(hoist.flags, i);
        current.groups.push_back(groups[i]);
        current.flags.push_back(std::move(hoist.flags));
    }
    if (!current.groups.empty()) split.hoists.push_back(std::move(current));
    return split;
}

std::string halyardRefusalText(std::span<const std::string> groups, const HalyardRefusal& refusal) {
    const std::string& group = groups[refusal.group];
    if (refusal.ofGroup)
        return "Группу " + group + " не поднять одним набором флагов. " + refusalText(*refusal.ofGroup);
    const SignalFlag& flag = signalFlag(refusal.flag);
    return "Группы " + groups[refusal.takenBy] + " и " + group +
           " на одном фале не поднять одним набором флагов: " + std::string(flag.fullName) +
           " нужен обеим, а в наборе он один.";
}

}  // namespace mss::codebook::message
