// SPDX-License-Identifier: GPL-3.0-or-later
#include "meaning_choices.h"

#include <algorithm>
#include <utility>

namespace mss::asking {

std::string readAs(std::string_view text) {
    std::string read;
    read.reserve(text.size());
    bool spaceBefore = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            spaceBefore = !read.empty();
            continue;
        }
        if (spaceBefore) read += ' ';
        spaceBefore = false;
        read += c;
    }
    return read;
}

MeaningChoices chooseMeaningChoices(std::span<const ChoiceCandidate> candidates, std::size_t asked,
                                    const RandomSource& random, std::size_t count) {
    MeaningChoices choices;
    if (asked >= candidates.size() || count == 0) return choices;

    std::vector<std::size_t> sameGroup, otherGroups;
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (i != asked) (candidates[i].group == candidates[asked].group ? sameGroup : otherGroups).push_back(i);

    std::vector<std::string> textsOffered{readAs(candidates[asked].text)};
    std::vector<std::size_t> wrong;
    // Draws from `pool` without putting back until enough are chosen.
    const auto drawFrom = [&](std::vector<std::size_t>& pool) {
        for (std::size_t left = pool.size(); left > 0 && wrong.size() + 1 < count; --left) {
            std::swap(pool[below(random, left)], pool[left - 1]);
            const std::size_t drawn = pool[left - 1];
            std::string text = readAs(candidates[drawn].text);
            if (std::find(textsOffered.begin(), textsOffered.end(), text) != textsOffered.end()) continue;
            textsOffered.push_back(std::move(text));
            wrong.push_back(drawn);
        }
    };
    drawFrom(sameGroup);
    drawFrom(otherGroups);

    choices.rightPlace = below(random, wrong.size() + 1);
    choices.offered = std::move(wrong);
    choices.offered.insert(choices.offered.begin() + static_cast<std::ptrdiff_t>(choices.rightPlace), asked);
    return choices;
}

}  // namespace mss::asking
