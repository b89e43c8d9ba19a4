// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A keeper of exam tickets in memory, for the exam's tests.

#include <map>

#include "exam/exam_keeper.h"

namespace mss::exam::testing {

class MemoryExamKeeper : public ExamKeeper {
public:
    struct Kept {
        TicketStart start;
        std::map<int, QuestionRecord> answers;
        std::optional<TicketEnd> end;
    };

    std::optional<long long> startTicket(const TicketStart& start) override {
        tickets.push_back({start, {}, std::nullopt});
        return static_cast<long long>(tickets.size() - 1);
    }
    bool saveAnswer(long long ticket, const QuestionRecord& record) override {
        tickets.at(static_cast<std::size_t>(ticket)).answers[record.place] = record;
        return true;
    }
    bool finishTicket(long long ticket, const TicketEnd& end) override {
        tickets.at(static_cast<std::size_t>(ticket)).end = end;
        return true;
    }
    std::vector<PastTicket> pastTickets() override {
        std::vector<PastTicket> past;
        for (auto it = tickets.rbegin(); it != tickets.rend(); ++it)
            past.push_back({it->start.number, it->start.scope, it->start.length, it->start.startedAt, it->start.limit,
                            it->end, static_cast<int>(it->answers.size())});
        return past;
    }

    std::vector<Kept> tickets;
};

}  // namespace mss::exam::testing
