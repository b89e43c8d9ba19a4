// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exchange of a scenario as the procedure has it, event by event: each
// hoist goes up; the receiver dips its answering pennant on sighting,
// reads the hoist and closes the pennant up; the sender hauls the hoist
// down and the receiver lowers the pennant to the dip again. A signal ends
// with the sender's answering pennant alone, answered close up, and both
// pennants come down. A hoist that makes no sense is answered, the pennant
// kept at the dip, with a reply such as ZL; the sender hauls it down and
// sends its message. Standard library only.

#include <vector>

#include "scenario.h"

namespace mss::exchange {

struct ExchangeEvent {
    int step = 0;  // from 1: a step begins with each hoist and with a signal's end
    Ship ship = Ship::A;
    Action action = Action::Hoist;
    Halyard halyard = Halyard::Masthead;  // for the answering pennant, where it flies
    Groups groups;                        // Hoist: top first; Read: what is read, in reading order
    int signal = 0;                       // the scenario's signal it belongs to
    // For a hoist of the text: which hoist of the message (from 0); -1 for a
    // call sign or anything else.
    int textHoist = -1;
    bool garbled = false;             // the hoist that makes no sense, or the reading of it
    bool notUnderstoodReply = false;  // the receiver's reply to it (ZL, ZQ)
};

// Which of the accepted messages (and replies) each signal takes.
struct ExchangeChoices {
    std::vector<int> message;  // per signal: index into Signal::messages
    std::vector<int> reply;    // per signal: index into Signal::notUnderstoodReplies
};

// The model: every signal's first message and first reply.
ExchangeChoices firstChoices(const Scenario& scenario);

std::vector<ExchangeEvent> modelExchange(const Scenario& scenario, const ExchangeChoices& choices);
inline std::vector<ExchangeEvent> modelExchange(const Scenario& scenario) {
    return modelExchange(scenario, firstChoices(scenario));
}

}  // namespace mss::exchange
