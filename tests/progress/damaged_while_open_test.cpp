// SPDX-License-Identifier: GPL-3.0-or-later
// A progress file damaged while the program has it open: whichever reading
// meets the damage sets the file aside and says so, rather than passing the
// damage off as no tickets, no answers or no sessions.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "progress/progress_store.h"
#include "progress_test_support.h"

namespace mss::progress {
namespace {

using namespace std::chrono_literals;
using namespace testing;
using asking::AskMode;
using asking::SignalSet;

// A file of one drill session and one finished ticket of two answers;
// returns the ticket's id.
long long writeFile(const fs::path& file) {
    ProgressStore store(file, fixedClock(), testCodes());
    drill::SessionRecord session = newSession();
    EXPECT_EQ(store.recordAnswer(answered(flagCard("A"), false, kMorning), session), asking::Keeping::Saved);
    const exam::TicketKept kept = store.startTicket({3, exam::ExamScope::Basic, 2, kMorning + 1h, std::nullopt});
    EXPECT_EQ(kept.keeping, asking::Keeping::Saved);
    const long long ticket = kept.id.value_or(0);
    EXPECT_EQ(store.saveAnswer(ticket, {0, exam::TaskKind::FlagBySight, "A", "A", true, {}}, 10s),
              asking::Keeping::Saved);
    EXPECT_EQ(store.saveAnswer(ticket, {1, exam::TaskKind::FlagBySight, "B", "C", false, {}}, 20s),
              asking::Keeping::Saved);
    EXPECT_EQ(store.finishTicket(ticket, {kMorning + 1h + 1min, 1, 1, 0, false, false}), asking::Keeping::Saved);
    return ticket;
}

TEST(DamagedWhileOpen, TheReadingThatMeetsTheDamageSetsTheFileAside) {
    struct Case {
        const char* name;
        const char* table;  // whose first page is overwritten
        // Reads through the store; true when it read nothing.
        std::function<bool(ProgressStore&, long long ticket)> readsNothing;
    };
    const Case cases[] = {
        {"the past tickets", "tickets", [](ProgressStore& s, long long) { return s.pastTickets().empty(); }},
        {"the answers of a ticket taken up again", "ticket_answers",
         [](ProgressStore& s, long long ticket) { return s.answersOf(ticket).empty(); }},
        {"the recent sessions", "sessions", [](ProgressStore& s, long long) { return s.recentSessions().empty(); }},
        {"the states of the cards", "cards",
         [](ProgressStore& s, long long) { return s.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).empty(); }},
        {"the hardest signals", "answers",
         [](ProgressStore& s, long long) {
             return s.hardestSignals(SignalSet::Flags, AskMode::RecogniseFlag, 10).empty();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir temp;
        ASSERT_TRUE(temp.isValid());
        const fs::path file = fs::path(temp.path().toStdString()) / "progress.sqlite3";
        const long long ticket = writeFile(file);

        ProgressStore store(file, fixedClock(), testCodes());
        ASSERT_FALSE(c.readsNothing(store, ticket)) << "the sound file reads as empty";
        std::size_t start = 0, size = 0;
        {
            // A change by another program, so that the store reads the file
            // afresh, and everything moved from the journal into the file.
            RawDatabase other(file);
            other.run("UPDATE sessions SET first_letter = first_letter");
            other.run("PRAGMA wal_checkpoint(TRUNCATE)");
            const int page = other
                                 .value(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = '%1'")
                                            .arg(QLatin1String(c.table)))
                                 .toInt();
            size = other.value("PRAGMA page_size").toULongLong();
            start = static_cast<std::size_t>(page - 1) * size;
        }
        std::string bytes = readBytes(file);
        ASSERT_GT(start, 0u);
        ASSERT_LE(start + size, bytes.size());
        bytes.replace(start, size, std::string(size, '\xFF'));
        writeBytes(file, bytes);

        EXPECT_TRUE(c.readsNothing(store, ticket));
        if (!store.setAsideFile()) {
            ADD_FAILURE() << "the damage was read as nothing at all";
            continue;
        }
        EXPECT_EQ(store.setAsideFile()->reason, SetAsideReason::Damaged);
        EXPECT_TRUE(fs::exists(store.setAsideFile()->keptAs));
        ASSERT_FALSE(store.notices().empty());
        EXPECT_EQ(store.notices().front(), store.setAsideFile()->message);
        EXPECT_TRUE(store.saving()) << "progress starts afresh in a new file";
    }
}

}  // namespace
}  // namespace mss::progress
