// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sitting of the drill: the planned questions one after another, then, on
// request, the cards the learner got wrong. Each answer moves its card by the
// rule of the Leitner boxes: up only when it was due, so answering a card
// again within the session never moves it further (it waits ten minutes at
// least once moved up), and a wrong answer sends it back to the first box.
// An early review asks cards ahead of their time: its right answers count in
// the tally but never move a card up.

#include <cstddef>
#include <string>
#include <vector>

#include "asking/clock.h"
#include "card_state.h"
#include "leitner_boxes.h"
#include "tally.h"

namespace mss::drill {

// One answer as it is to be recorded.
struct Answer {
    CardKey card;
    std::string given;
    bool correct = false;
    asking::TimePoint at;
    CardState stateAfter;
};

class DrillSession {
public:
    // `states` are the cards' states when the session starts (new cards are
    // missing from it); the session keeps its own copy up to date. `review`
    // says whether it asks what is due or reviews early.
    DrillSession(std::vector<CardKey> questions, CardStates states, asking::Clock clock,
                 Review review = Review::Scheduled);

    bool earlyReview() const { return review_ == Review::Early; }

    bool finished() const { return next_ >= questions_.size(); }
    // The card being asked. Only while the session is not finished.
    const CardKey& currentCard() const { return questions_.at(next_); }
    std::size_t questionsLeft() const { return questions_.size() - next_; }

    // Answers the current card and moves on to the next one.
    Answer answer(std::string given, bool correct);

    // Asks again, once each, the cards answered wrong since the last repeat.
    // Returns how many questions were added.
    std::size_t repeatMistakes();

    // The learner stops before the last question: the questions not asked
    // yet are dropped, so that a repeat asks only the mistakes.
    void stopEarly();

    const Tally& tally() const { return tally_; }
    const CardStates& states() const { return states_; }

private:
    std::vector<CardKey> questions_;
    std::size_t next_ = 0;
    CardStates states_;
    asking::Clock clock_;
    Review review_;
    Tally tally_;
    std::vector<CardKey> wrongSinceRepeat_;
};

}  // namespace mss::drill
