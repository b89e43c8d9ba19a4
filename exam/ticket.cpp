// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticket.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "ticket_random.h"

namespace mss::exam {

namespace {

using asking::Signal;
using asking::SignalSet;

struct KindCount {
    TaskKind kind;
    int count;
};

// How many questions of each task a ticket of twenty holds.
std::vector<KindCount> tasksOf(ExamScope scope) {
    switch (scope) {
        case ExamScope::Basic:
            return {{TaskKind::FlagBySight, 4},
                    {TaskKind::SingleLetterMeaning, 4},
                    {TaskKind::ReadHoistChoose, 3},
                    {TaskKind::ReadHoistType, 3},
                    {TaskKind::ComposeHoist, 6}};
        case ExamScope::Full:
            return {{TaskKind::FlagBySight, 3},   {TaskKind::SingleLetterMeaning, 3}, {TaskKind::ReadHoistChoose, 4},
                    {TaskKind::ReadHoistType, 3}, {TaskKind::ComposeHoist, 5},        {TaskKind::TableDigitMeaning, 2}};
        case ExamScope::Flags: return {{TaskKind::FlagBySight, 20}};
        case ExamScope::SingleLetter:
            return {{TaskKind::SingleLetterMeaning, 8}, {TaskKind::ReadHoistType, 4}, {TaskKind::ComposeHoist, 8}};
        case ExamScope::General:
        case ExamScope::Medical:
            return {{TaskKind::ReadHoistChoose, 7}, {TaskKind::ReadHoistType, 6}, {TaskKind::ComposeHoist, 7}};
        case ExamScope::Tables: return {{TaskKind::TableDigitMeaning, 10}, {TaskKind::ComposeHoist, 10}};
    }
    return {};
}

struct Candidate {
    SignalSet set;
    const Signal* signal;
};

// The signals a task of a scope may ask in a draw.
std::vector<Candidate> candidatesOf(const ExamPool& pool, ExamScope scope, TaskKind kind, int draw) {
    std::vector<Candidate> out;
    auto all = [&](SignalSet set) {
        for (const Signal& s : pool.signalsIn(set)) out.push_back({set, &s});
    };
    switch (kind) {
        case TaskKind::FlagBySight: all(SignalSet::Flags); break;
        case TaskKind::SingleLetterMeaning: all(SignalSet::SingleLetter); break;
        case TaskKind::TableDigitMeaning: all(SignalSet::Tables); break;
        case TaskKind::ReadHoistChoose:
        case TaskKind::ReadHoistType:
        case TaskKind::ComposeHoist:
            switch (scope) {
                case ExamScope::Basic:
                    for (SignalSet set : {SignalSet::SingleLetter, SignalSet::General})
                        for (const Signal& s : pool.signalsIn(set))
                            if (pool.examSignals().asksInDraw(s.code, draw)) out.push_back({set, &s});
                    break;
                case ExamScope::Full:
                    all(SignalSet::General);
                    all(SignalSet::Medical);
                    break;
                case ExamScope::SingleLetter: all(SignalSet::SingleLetter); break;
                case ExamScope::Medical: all(SignalSet::Medical); break;
                case ExamScope::Tables: all(SignalSet::Tables); break;
                default: all(SignalSet::General); break;
            }
            break;
    }
    return out;
}

}  // namespace

std::string_view storedName(ExamScope scope) {
    switch (scope) {
        case ExamScope::Basic: return "basic";
        case ExamScope::Full: return "full";
        case ExamScope::Flags: return "flags";
        case ExamScope::SingleLetter: return "single";
        case ExamScope::General: return "general";
        case ExamScope::Medical: return "medical";
        case ExamScope::Tables: return "tables";
    }
    return {};
}

std::optional<ExamScope> scopeNamed(std::string_view name) {
    for (ExamScope scope : kAllScopes)
        if (storedName(scope) == name) return scope;
    return std::nullopt;
}

std::string_view storedName(TaskKind kind) {
    switch (kind) {
        case TaskKind::FlagBySight: return "flag";
        case TaskKind::SingleLetterMeaning: return "single-meaning";
        case TaskKind::ReadHoistChoose: return "read-choose";
        case TaskKind::ReadHoistType: return "read-type";
        case TaskKind::ComposeHoist: return "compose";
        case TaskKind::TableDigitMeaning: return "table-meaning";
    }
    return {};
}

std::optional<TaskKind> taskNamed(std::string_view name) {
    for (TaskKind kind : {TaskKind::FlagBySight, TaskKind::SingleLetterMeaning, TaskKind::ReadHoistChoose,
                          TaskKind::ReadHoistType, TaskKind::ComposeHoist, TaskKind::TableDigitMeaning})
        if (storedName(kind) == name) return kind;
    return std::nullopt;
}

asking::AskMode modeOf(TaskKind kind) {
    switch (kind) {
        case TaskKind::FlagBySight:
        case TaskKind::ReadHoistType: return asking::AskMode::RecogniseFlag;
        case TaskKind::ComposeHoist: return asking::AskMode::Compose;
        default: return asking::AskMode::Meaning;
    }
}

ExamPool::ExamPool(const codebook::CodeBook& book, const ExamSignals& examSignals) : signals_(examSignals) {
    for (SignalSet set : asking::kAllSets) sets_.push_back(asking::signalsOfSet(book, set));
}

const std::vector<Signal>& ExamPool::signalsIn(SignalSet set) const { return sets_.at(static_cast<std::size_t>(set)); }

Ticket drawTicket(const ExamPool& pool, int number, ExamScope scope, int length, int draw) {
    // Every draw starts from the same seed, so that a ticket no rule of a
    // later draw touches keeps its questions.
    TicketRandom random(TicketRandom::seedOf(number, storedName(scope)));
    const asking::RandomSource source = [&random] { return random.next(); };
    Ticket ticket{number, scope, draw, {}};
    std::set<std::pair<SignalSet, std::string>> asked;
    std::set<std::string> families;
    const bool familyOnce = draw > kFirstDraw;  // from the second draw on
    for (const auto& [kind, count] : tasksOf(scope)) {
        std::vector<Candidate> candidates = candidatesOf(pool, scope, kind, draw);
        // Drawn without repeats: the first of a shuffled pool, skipping what another task asks.
        random.shuffle(candidates);
        int drawn = 0;
        for (const Candidate& c : candidates) {
            if (drawn == count) break;
            if (familyOnce && families.count(familyOf(c.signal->code)) != 0) continue;
            if (!asked.emplace(c.set, c.signal->code).second) continue;
            if (familyOnce) families.insert(familyOf(c.signal->code));
            TicketQuestion q{asking::askAbout(c.set, modeOf(kind), *c.signal, pool.signalsIn(c.set), source), kind,
                             false};
            q.gross = c.set != SignalSet::Flags && pool.examSignals().isGross(c.signal->code);
            ticket.questions.push_back(std::move(q));
            ++drawn;
        }
    }
    random.shuffle(ticket.questions);
    ticket.questions.resize(std::min<std::size_t>(ticket.questions.size(), static_cast<std::size_t>(length)));
    return ticket;
}

}  // namespace mss::exam
