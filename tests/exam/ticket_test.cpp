// SPDX-License-Identifier: GPL-3.0-or-later
// Numbered tickets: the same number, scope, length and draw give the same
// questions in the same order; the first draw keeps the tickets teachers
// printed with it; the second never asks one signal family twice; the tasks
// of each scope; the gross errors where the exam's list says so.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
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

// A ticket as the fixture of the first draw writes it: each question's task
// and code, and the meanings offered as their codes, the right one starred.
std::string questionsLine(const Ticket& t) {
    std::string line;
    for (const TicketQuestion& q : t.questions) {
        if (!line.empty()) line += ' ';
        line += std::string(storedName(q.kind)) + ':' + q.signal->code;
        if (q.choices.empty()) continue;
        line += '[';
        for (std::size_t c = 0; c < q.choices.size(); ++c)
            line += (c ? "," : "") + std::string(c == q.rightChoice ? "*" : "") + q.choices[c]->code;
        line += ']';
    }
    return line;
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

TEST(Ticket, TheFirstDrawKeepsThePrintedTickets) {
    // Drawn and written down before the second draw came: seventy tickets of
    // every scope, questions and the meanings offered, in order.
    std::ifstream fixture(MSS_EXAM_TEST_DIR "/first_draw_tickets.txt");
    ASSERT_TRUE(fixture) << "first_draw_tickets.txt";
    int compared = 0;
    for (std::string line; std::getline(fixture, line);) {
        std::istringstream fields(line);
        std::string scopeName, questions;
        int number = 0;
        ASSERT_TRUE(std::getline(fields, scopeName, '\t') && fields >> number && fields.get() == '\t' &&
                    std::getline(fields, questions))
            << line;
        const auto scope = scopeNamed(scopeName);
        ASSERT_TRUE(scope) << line;
        const Ticket t = drawTicket(pool(), number, *scope, kTicketQuestions, kFirstDraw);
        EXPECT_EQ(t.draw, kFirstDraw);
        EXPECT_EQ(questionsLine(t), questions) << scopeName << " ticket " << number;
        ++compared;
    }
    EXPECT_EQ(compared, 70);
}

TEST(Ticket, TheSecondDrawAsksEachSignalFamilyOnce) {
    // Ticket 1 of the first draw holds CB2 with CB3 and IX with IX1.
    const Ticket first = drawTicket(pool(), 1, ExamScope::Basic, kTicketQuestions, kFirstDraw);
    std::multiset<std::string> firstFamilies;
    for (const TicketQuestion& q : first.questions) firstFamilies.insert(familyOf(q.signal->code));
    EXPECT_EQ(firstFamilies.count("CB"), 2u);
    EXPECT_EQ(firstFamilies.count("IX"), 2u);

    int changed = 0;
    for (ExamScope scope : kAllScopes)
        for (int number = kFirstTicket; number <= 60; ++number) {
            const Ticket t = drawTicket(pool(), number, scope);
            EXPECT_EQ(t.draw, kLatestDraw);
            ASSERT_EQ(t.questions.size(), std::size_t(kTicketQuestions)) << storedName(scope) << " " << number;
            std::set<std::string> families;
            for (const TicketQuestion& q : t.questions)
                EXPECT_TRUE(families.insert(familyOf(q.signal->code)).second)
                    << storedName(scope) << " ticket " << number << ": " << q.signal->code << " repeats its family";
            changed += questionsLine(t) != questionsLine(drawTicket(pool(), number, scope, kTicketQuestions, kFirstDraw));
        }
    // The flags' tickets hold no families; most others hold one somewhere.
    EXPECT_GT(changed, 60);
    EXPECT_EQ(questionsLine(drawTicket(pool(), 7, ExamScope::Flags)),
              questionsLine(drawTicket(pool(), 7, ExamScope::Flags, kTicketQuestions, kFirstDraw)))
        << "a ticket the family rule does not touch keeps its questions";
}

TEST(Ticket, FamiliesAreTheLettersOfACode) {
    const std::pair<const char*, const char*> cases[] = {
        {"BR3", "BR"}, {"BR", "BR"}, {"AE1", "AE"}, {"C", "C"}, {"MAA", "MAA"}, {"MAA1", "MAA"},
        {"I-3", "I-3"}, {"1", "1"}, {"1-й заменяющий", "1-й заменяющий"}, {"R1A", "R1A"},
    };
    for (const auto& [code, family] : cases) EXPECT_EQ(familyOf(code), family) << code;
}

TEST(Ticket, EachScopeAsksItsOwnTasksAndSignals) {
    for (ExamScope scope : kAllScopes)
        for (int number : {1, 7, 500, 999}) {
            const Ticket t = drawTicket(pool(), number, scope);
            const std::string what = std::string(storedName(scope)) + " ticket " + std::to_string(number);
            ASSERT_EQ(t.questions.size(), std::size_t(kTicketQuestions)) << what;
            std::set<std::string> asked;
            for (const TicketQuestion& q : t.questions) {
                EXPECT_TRUE(asked.insert(q.signal->code + "/" + std::string(asking::storedName(q.set))).second)
                    << what << ": " << q.signal->code << " twice";
                EXPECT_EQ(q.choices.empty(), modeOf(q.kind) != asking::AskMode::Meaning) << what;
                if (!q.choices.empty()) {
                    EXPECT_EQ(q.choices.at(q.rightChoice), q.signal) << what;
                }
                EXPECT_EQ(q.gross, q.set != asking::SignalSet::Flags && pool().examSignals().isGross(q.signal->code))
                    << what;
                switch (scope) {
                    case ExamScope::Basic:
                        EXPECT_NE(q.set, asking::SignalSet::Medical) << what;
                        EXPECT_NE(q.set, asking::SignalSet::Tables) << what;
                        if (q.set == asking::SignalSet::General) {
                            EXPECT_TRUE(pool().examSignals().asksInDraw(q.signal->code, kLatestDraw))
                                << what << ": " << q.signal->code;
                        }
                        break;
                    case ExamScope::Flags: EXPECT_EQ(q.kind, TaskKind::FlagBySight) << what; break;
                    case ExamScope::Medical: EXPECT_EQ(q.set, asking::SignalSet::Medical) << what; break;
                    case ExamScope::Tables: EXPECT_EQ(q.set, asking::SignalSet::Tables) << what; break;
                    default: break;
                }
            }
        }
}

TEST(Ticket, TheFullScopeReachesEverySection) {
    std::set<asking::SignalSet> sets;
    for (int number = kFirstTicket; number <= 40; ++number)
        for (const TicketQuestion& q : drawTicket(pool(), number, ExamScope::Full).questions) sets.insert(q.set);
    EXPECT_EQ(sets.size(), std::size(asking::kAllSets));
}

TEST(ExamSignals, ReadsItsListAndRefusesADamagedOne) {
    std::string problem;
    const auto list = ExamSignals::parse(
        "code\trole\tsince\tsubject\nNC\tdistress\t1\tбедствие\nK\tcommon\t1\tсвязь\nJW\turgency\t2\tтечь\n",
        &problem);
    ASSERT_TRUE(list) << problem;
    EXPECT_TRUE(list->isGross("NC"));
    EXPECT_TRUE(list->isGross("JW"));
    EXPECT_FALSE(list->isGross("K"));
    EXPECT_FALSE(list->isGross("AE1")) << "not in the list";
    EXPECT_TRUE(list->asksInDraw("NC", 1));
    EXPECT_FALSE(list->asksInDraw("JW", 1));
    EXPECT_TRUE(list->asksInDraw("JW", 2));
    EXPECT_FALSE(list->asksInDraw("AE1", 2));
    const std::pair<const char*, const char*> damaged[] = {
        {"code\trole\tsince\tsubject\nNC\tpanic\t1\tx\n", "строка 2: неизвестная роль «panic»"},
        {"code\trole\tsince\tsubject\nNC\tdistress\t3\tx\n", "строка 2: неизвестная выборка билетов «3»"},
        {"code\trole\tsince\tsubject\nNC\tdistress\t1\tx\nNC\turgency\t1\ty\n", "строка 3: код NC указан дважды"},
        {"code\trole\tsince\tsubject\nNC distress\n", "строка 2: ожидались код, роль, выборка и тема через табуляцию"},
        {"code\trole\tsince\tsubject\nNC\tdistress\t1\t\n",
         "строка 2: ожидались код, роль, выборка и тема через табуляцию"},
    };
    for (const auto& [text, said] : damaged) {
        EXPECT_FALSE(ExamSignals::parse(text, &problem)) << text;
        EXPECT_EQ(problem, said) << text;
    }
}

// The list the program grades by, read against the code's chapters.
TEST(ExamSignals, TheShippedListGradesByTheCodesChapters) {
    const ExamSignals& shipped = ExamSignals::shipped();
    int gross = 0;
    for (const ExamSignal& s : shipped.all()) {
        const asking::Signal* inBook = nullptr;
        for (asking::SignalSet set : {asking::SignalSet::SingleLetter, asking::SignalSet::General})
            if (!inBook) inBook = asking::findSignal(pool().signalsIn(set), s.code);
        ASSERT_TRUE(inBook) << s.code << " is no signal of the book";
        if (s.role == SignalRole::Common) continue;
        ++gross;
        EXPECT_FALSE(inBook->reconstructed) << s.code << ": a gross error is never graded on a reconstructed row";
    }
    EXPECT_EQ(gross, 55);
    EXPECT_EQ(shipped.all().size(), 128u);

    auto roleOf = [&](const char* code) { return shipped.find(code) ? shipped.find(code)->role : SignalRole{-1}; };
    const std::pair<const char*, SignalRole> roles[] = {
        // reports that ask for nothing
        {"HX1", SignalRole::Common}, {"HX2", SignalRole::Common},
        // siblings of groups already gross, and the dangers of explosion and a nuclear accident
        {"JW", SignalRole::Urgency}, {"BR1", SignalRole::Urgency}, {"BR4", SignalRole::Urgency},
        {"NF1", SignalRole::Urgency}, {"NG1", SignalRole::Urgency}, {"AJ", SignalRole::Urgency},
        {"JB", SignalRole::Urgency},
        // the casualties chapter asks for no help: urgency, not distress
        {"IX", SignalRole::Urgency}, {"IX1", SignalRole::Urgency}, {"JG", SignalRole::Urgency},
        // «Мне требуется немедленная помощь» is distress
        {"CB", SignalRole::Distress}, {"CB5", SignalRole::Distress},
        // what a cadet needs in every exchange
        {"ZQ", SignalRole::Common}, {"RQ", SignalRole::Common},
        {"NC", SignalRole::Distress}, {"O", SignalRole::Distress}, {"V", SignalRole::Urgency},
        {"W", SignalRole::Urgency}, {"JH", SignalRole::Common},
    };
    for (const auto& [code, role] : roles) EXPECT_EQ(roleOf(code), role) << code;
    // What the first draw asked it still asks: nothing left the list.
    int firstDraw = 0;
    for (const ExamSignal& s : shipped.all()) firstDraw += s.since == kFirstDraw;
    EXPECT_EQ(firstDraw, 119);
}

}  // namespace
}  // namespace mss::exam
