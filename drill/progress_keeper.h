// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drill needs of the place where progress is kept: the cards'
// states, a home for every answer, the choice drilled last, and what the
// learner must be told about the file. The progress file implements it; the
// drill's own tests use one in memory.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "asking/keeping.h"
#include "card_state.h"
#include "drill_choice.h"
#include "drill_session.h"

namespace mss::drill {

// One session as the keeper knows it: what is drilled, and the number the
// keeper gave it with its first answer (none before that).
struct SessionRecord {
    DrillChoice choice;
    std::optional<int> number;
    // The keeper's own mark for a session whose first answer waits to be
    // written (see asking::Keeping::Pending): later answers with the same record
    // join that session. 0 for none; a new session starts with 0.
    std::uint64_t waitingMark = 0;
};

class ProgressKeeper {
public:
    virtual ~ProgressKeeper() = default;

    virtual CardStates cardStates(asking::SignalSet set, asking::AskMode mode) = 0;
    // Records one answer of `session`; the first answer of a session also
    // gives it its number, in the same step.
    virtual asking::Keeping recordAnswer(const Answer& answer, SessionRecord& session) = 0;
    // Writes the answers that wait for the file, oldest first, without
    // waiting for it more than a moment: Pending while some still wait,
    // otherwise what became of them (Saved, or InMemory). Call it now and
    // then while the last answer was Pending; recordAnswer() tries too.
    virtual asking::Keeping writeWaiting() { return asking::Keeping::Saved; }
    // The choice of the session answered last; nothing when none is kept.
    virtual std::optional<DrillChoice> lastChoice() = 0;
    // Russian sentences the learner must read about the file (set aside, not
    // saving, waiting for another program); empty when all is well.
    virtual std::vector<std::string> notices() = 0;
};

}  // namespace mss::drill
