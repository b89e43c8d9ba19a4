// SPDX-License-Identifier: GPL-3.0-or-later
#include "leitner_boxes.h"

#include <algorithm>

namespace mss::drill {

namespace {

using namespace std::chrono_literals;

constexpr std::array<std::chrono::seconds, kBoxCount> kDelays = {
    0s, 10min, 24h, 3 * 24h, 7 * 24h, 21 * 24h, 60 * 24h,
};

}  // namespace

std::chrono::seconds delayOfBox(int box) {
    return kDelays[static_cast<std::size_t>(std::clamp(box, kFirstBox, kTopBox))];
}

CardState afterAnswer(const std::optional<CardState>& before, bool correct, TimePoint now, bool mayMoveUp) {
    const int boxBefore = before ? std::clamp(before->box, kFirstBox, kTopBox) : kFirstBox;
    int box = kFirstBox;
    if (correct) box = mayMoveUp ? std::min(boxBefore + 1, kTopBox) : boxBefore;
    return CardState{box, now + delayOfBox(box), now};
}

}  // namespace mss::drill
