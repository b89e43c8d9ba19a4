// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A keeper of exam tickets in memory, for the exam's tests. While `busy` is
// set it takes nothing, as the progress file while another program holds it.

#include <map>

#include "exam/exam_keeper.h"

namespace mss::exam::testing {

class MemoryExamKeeper : public ExamKeeper {
public:
    struct Kept {
        TicketStart start;
        std::map<int, QuestionRecord> answers;
        std::optional<TicketEnd> end;
        std::chrono::seconds used{0};
    };

    TicketKept startTicket(const TicketStart& start) override {
        if (busy) return {asking::Keeping::Pending, std::nullopt};
        tickets.push_back({start, {}, std::nullopt});
        return {asking::Keeping::Saved, static_cast<long long>(tickets.size() - 1)};
    }
    asking::Keeping saveAnswer(long long ticket, const QuestionRecord& record, std::chrono::seconds used) override {
        if (busy) return asking::Keeping::Pending;
        tickets.at(static_cast<std::size_t>(ticket)).answers[record.place] = record;
        tickets.at(static_cast<std::size_t>(ticket)).used = used;
        return asking::Keeping::Saved;
    }
    asking::Keeping saveTimeUsed(long long ticket, std::chrono::seconds used) override {
        if (busy) return asking::Keeping::Pending;
        tickets.at(static_cast<std::size_t>(ticket)).used = used;
        return asking::Keeping::Saved;
    }
    std::vector<QuestionRecord> answersOf(long long ticket) override {
        std::vector<QuestionRecord> out;
        for (const auto& [place, record] : tickets.at(static_cast<std::size_t>(ticket)).answers) out.push_back(record);
        return out;
    }
    asking::Keeping finishTicket(long long ticket, const TicketEnd& end) override {
        if (busy) return asking::Keeping::Pending;
        tickets.at(static_cast<std::size_t>(ticket)).end = end;
        return asking::Keeping::Saved;
    }
    std::vector<PastTicket> pastTickets() override {
        std::vector<PastTicket> past;
        for (auto it = tickets.rbegin(); it != tickets.rend(); ++it)
            past.push_back({it->start.number, it->start.scope, it->start.length, it->start.startedAt, it->start.limit,
                            it->end, static_cast<int>(it->answers.size()), it->start.draw,
                            static_cast<long long>(tickets.rend() - it - 1), it->used});
        return past;
    }
    std::vector<std::string> notices() override { return {}; }

    std::vector<Kept> tickets;
    bool busy = false;
};

}  // namespace mss::exam::testing
