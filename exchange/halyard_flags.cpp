// SPDX-License-Identifier: GPL-3.0-or-later
#include "halyard_flags.h"

#include <array>

#include "codebook/hoist_words.h"
#include "codebook/one_set_hoist.h"
#include "codebook/signal_flags.h"

namespace mss::exchange {

std::optional<std::string> halyardRefusal(const Groups& groups) {
    if (groups.empty()) return std::string("На фале нет ни одной группы.");
    std::array<const std::string*, codebook::kSignalFlagCount> usedBy{};
    for (const std::string& group : groups) {
        const codebook::EncodedHoist hoist = codebook::encodeHoist(group);
        if (!hoist.ok())
            return "Группу " + group + " не поднять одним набором флагов. " + codebook::refusalText(*hoist.refusal);
        for (const codebook::FlownFlag& flag : hoist.flags) {
            auto& user = usedBy[static_cast<std::size_t>(flag.flag)];
            if (user != nullptr && user != &group)
                return "Группы " + *user + " и " + group + " на одном фале требуют двух флагов «" +
                       std::string(codebook::signalFlag(flag.flag).shortName) + "», а в наборе он один.";
            user = &group;
        }
    }
    return std::nullopt;
}

}  // namespace mss::exchange
