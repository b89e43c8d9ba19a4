// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running score of one session, as the drill window shows it.

#include <string>
#include <vector>

#include "card_key.h"

namespace mss::drill {

struct Mistake {
    CardKey card;
    std::string given;  // the learner's answer, as the window put it

    friend bool operator==(const Mistake&, const Mistake&) = default;
};

struct Tally {
    int asked = 0;
    int right = 0;
    int streak = 0;  // right answers in a row up to the last one
    std::vector<Mistake> mistakes;  // every wrong answer, in the order given

    void count(const CardKey& card, const std::string& given, bool correct);
};

}  // namespace mss::drill
