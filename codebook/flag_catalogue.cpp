// SPDX-License-Identifier: GPL-3.0-or-later
#include "flag_catalogue.h"

#include "signal_flags.h"

namespace mss::codebook {

namespace {

// The captions of the keys; the spelling words come from the table of the
// forty flags.
constexpr std::array<std::string_view, kFlagCount> kKeyCaptions{
    "Aa", "Bb", "Cc", "Dd", "Ee", "Ff", "Gg", "Hh", "Ii", "Jj", "Kk", "Ll", "Mm",
    "Nn", "Oo", "Pp", "Qq", "Rr", "Ss", "Tt", "Uu", "Vv", "Ww", "Xx", "Yy", "Zz",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
};

std::array<FlagEntry, kFlagCount> makeCatalogue() {
    std::array<FlagEntry, kFlagCount> catalogue{};
    for (int k = 0; k < kFlagCount; ++k) {
        const SignalFlag& flag = signalFlag(k);
        catalogue[static_cast<std::size_t>(k)] = {k, flag.symbol, kKeyCaptions[static_cast<std::size_t>(k)],
                                                  flag.spellingWord};
    }
    return catalogue;
}

}  // namespace

const std::array<FlagEntry, kFlagCount>& flagCatalogue() {
    static const std::array<FlagEntry, kFlagCount> catalogue = makeCatalogue();
    return catalogue;
}

const FlagEntry& flagEntry(int index) { return flagCatalogue().at(static_cast<std::size_t>(index)); }

}  // namespace mss::codebook
