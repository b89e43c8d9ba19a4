// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scenario of an exchange between two ships, as its file gives it: the
// ships' call signs and the signals each sends in turn. Standard library
// only; the file's format is in the README and in scenario_loader.h.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exchange_types.h"

namespace mss::exchange {

// One hoist of a message: the groups on the text halyard, top first.
using TextHoist = Groups;
// A message: its hoists in the order they go up.
using Message = std::vector<TextHoist>;

struct Signal {
    Ship sender = Ship::A;
    // The call sign flown at the masthead with the signal: the addressee's,
    // or the sender's own when it is asked for; none for a signal to every
    // ship in sight.
    std::optional<std::string> callSign;
    std::string task;  // what the sender is to say, in plain Russian
    // Every message the code allows for the task, the model first. Empty
    // only for a signal that is the call sign alone.
    std::vector<Message> messages;
    // A signal that goes wrong: the sender first flies this hoist, which
    // makes no sense; the receiver keeps its pennant at the dip and answers
    // with one of `notUnderstoodReplies`; the sender then sends messages[…].
    std::optional<TextHoist> garbled;
    std::vector<TextHoist> notUnderstoodReplies;
    int line = 0;  // where the signal begins in its file
};

struct Scenario {
    std::string name;                      // one Latin word in capitals: WEATHER
    std::string title;                     // short, in Russian
    std::string situation;                 // in Russian
    std::array<std::string, 2> callSigns;  // of ship A and ship B
    std::vector<Signal> signalSequence;    // in the order they are sent
    int line = 0;                          // where the scenario begins in its file

    const std::string& callSignOf(Ship ship) const { return callSigns[slotOf(ship)]; }
    // The ships a learner may play: both, but never one that must send a
    // hoist that makes no sense.
    std::vector<Ship> learnerShips() const;
};

}  // namespace mss::exchange
