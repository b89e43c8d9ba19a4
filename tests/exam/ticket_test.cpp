// SPDX-License-Identifier: GPL-3.0-or-later
// Numbered tickets: the same number, scope and length give the same
// questions in the same order; the tasks of each scope; no signal twice; the
// gross errors where the exam's list says so.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "exam/ticket.h"
#include "exam/ticket_random.h"
#include "support/shipped_book.h"

namespace mss::exam {
namespace {

const ExamPool& pool() {
    static const ExamPool p(mss::testing::shippedBook(), ExamSignals::shipped());
    return p;
}

std::vector<std::string> codesOf(const Ticket& t) {
    std::vector<std::string> codes;
    for (const TicketQuestion& q : t.questions) codes.push_back(std::string(storedName(q.kind)) + ":" + q.signal->code);
    return codes;
}

TEST(TicketRandom, IsSplitMix64AndSamplesEvenly) {
    // The generator's published first outputs for seed 0: the same on every machine.
    TicketRandom r(0);
    EXPECT_EQ(r.next(), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(r.next(), 0x6E789E6AA1B965F4ull);
    TicketRandom s(1965);
    std::map<std::size_t, int> seen;
    for (int i = 0; i < 7000; ++i) ++seen[s.below(7)];
    ASSERT_EQ(seen.size(), 7u) << "seed 1965";
    for (const auto& [value, count] : seen) EXPECT_NEAR(count, 1000, 150) << "value " << value << ", seed 1965";
    EXPECT_NE(TicketRandom::seedOf(7, "basic"), TicketRandom::seedOf(8, "basic"));
    EXPECT_NE(TicketRandom::seedOf(7, "basic"), TicketRandom::seedOf(7, "full"));
}

TEST(Ticket, ANumberGivesTheSameQuestionsEveryTime) {
    for (ExamScope scope : kAllScopes) {
        const Ticket a = drawTicket(pool(), 7, scope), b = drawTicket(pool(), 7, scope);
        EXPECT_EQ(codesOf(a), codesOf(b)) << storedName(scope);
        for (std::size_t i = 0; i < a.questions.size(); ++i)
            for (std::size_t c = 0; c < a.questions[i].choices.size(); ++c)
                EXPECT_EQ(a.questions[i].choices[c], b.questions[i].choices[c]) << storedName(scope);
        EXPECT_NE(codesOf(a), codesOf(drawTicket(pool(), 8, scope))) << storedName(scope);
        // A ticket of ten is the first ten of its twenty.
        const Ticket shortOne = drawTicket(pool(), 7, scope, kShortTicketQuestions);
        std::vector<std::string> first10 = codesOf(a);
        first10.resize(kShortTicketQuestions);
        EXPECT_EQ(codesOf(shortOne), first10) << storedName(scope);
    }
}

TEST(Ticket, EachScopeAsksItsOwnTasksAndSignals) {
    for (ExamScope scope : kAllScopes)
        for (int number : {1, 7, 500, 999}) {
            const Ticket t = drawTicket(pool(), number, scope);
            const std::string what = std::string(storedName(scope)) + " ticket " + std::to_string(number);
            ASSERT_EQ(t.questions.size(), std::size_t(kTicketQuestions)) << what;
            std::set<std::string> asked;
            for (const TicketQuestion& q : t.questions) {
                EXPECT_TRUE(asked.insert(q.signal->code + "/" + std::string(drill::storedName(q.set))).second)
                    << what << ": " << q.signal->code << " twice";
                EXPECT_EQ(q.choices.empty(), modeOf(q.kind) != drill::DrillMode::Meaning) << what;
                if (!q.choices.empty()) EXPECT_EQ(q.choices.at(q.rightChoice), q.signal) << what;
                EXPECT_EQ(q.gross, q.set != drill::DrillSet::Flags && pool().examSignals().isGross(q.signal->code))
                    << what;
                switch (scope) {
                    case ExamScope::Basic:
                        EXPECT_NE(q.set, drill::DrillSet::Medical) << what;
                        EXPECT_NE(q.set, drill::DrillSet::Tables) << what;
                        if (q.set == drill::DrillSet::General)
                            EXPECT_TRUE(pool().examSignals().contains(q.signal->code)) << what << ": " << q.signal->code;
                        break;
                    case ExamScope::Flags: EXPECT_EQ(q.kind, TaskKind::FlagBySight) << what; break;
                    case ExamScope::Medical: EXPECT_EQ(q.set, drill::DrillSet::Medical) << what; break;
                    case ExamScope::Tables: EXPECT_EQ(q.set, drill::DrillSet::Tables) << what; break;
                    default: break;
                }
            }
        }
}

TEST(Ticket, TheFullScopeReachesEverySection) {
    std::set<drill::DrillSet> sets;
    for (int number = kFirstTicket; number <= 40; ++number)
        for (const TicketQuestion& q : drawTicket(pool(), number, ExamScope::Full).questions) sets.insert(q.set);
    EXPECT_EQ(sets.size(), std::size(drill::kAllSets));
}

TEST(ExamSignals, ReadsItsListAndRefusesADamagedOne) {
    std::string problem;
    const auto list = ExamSignals::parse("code\trole\twhy\nNC\tdistress\tбедствие\nK\tcommon\tсвязь\n", &problem);
    ASSERT_TRUE(list) << problem;
    EXPECT_TRUE(list->isGross("NC"));
    EXPECT_FALSE(list->isGross("K"));
    EXPECT_FALSE(list->isGross("AE1")) << "not in the list";
    EXPECT_FALSE(ExamSignals::parse("code\trole\twhy\nNC\tpanic\tx\n", &problem));
    EXPECT_EQ(problem, "строка 2: неизвестная роль «panic»");
    EXPECT_FALSE(ExamSignals::parse("code\trole\twhy\nNC\tdistress\tx\nNC\turgency\ty\n", &problem));
    EXPECT_FALSE(ExamSignals::parse("code\trole\twhy\nNC distress\n", &problem));
    // The shipped list names signals of the book, and the distress signals among them.
    for (const char* code : {"NC", "V", "W", "O"}) EXPECT_TRUE(ExamSignals::shipped().isGross(code)) << code;
    for (const ExamSignal& s : ExamSignals::shipped().all()) {
        bool inBook = false;
        for (drill::DrillSet set : {drill::DrillSet::SingleLetter, drill::DrillSet::General})
            inBook = inBook || drill::findSignal(pool().signalsIn(set), s.code) != nullptr;
        EXPECT_TRUE(inBook) << s.code << " is no signal of the book";
    }
}

}  // namespace
}  // namespace mss::exam
