// SPDX-License-Identifier: GPL-3.0-or-later
// Where progress used to stop for good: a write cut short (a journal left
// beside the file), another program holding the file, a place where nothing
// may be written, a file name that reads like SQLite's instructions, a
// file-size limit, and clocks far off.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "drill/leitner_boxes.h"
#include "progress/progress_schema.h"
#include "progress/progress_store.h"
#include "progress/utc_text.h"
#include "runtime/file_size_limit.h"
#include "progress_test_support.h"

namespace mss::progress {
namespace {

using namespace std::chrono_literals;
using namespace testing;
using asking::AskMode;
using asking::Keeping;
using asking::SignalSet;

constexpr const char* kWaiting = "Прогресс ждёт: файл занят другой программой; ответы будут записаны, когда он освободится.";

fs::path withSuffix(const fs::path& file, const char* suffix) { return fs::path(file.string() + suffix); }

drill::CardStates flagStates(ProgressStore& store) {
    return store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag);
}

// A sound progress file of `answers` answers of the flags, in sessions of 20.
void writeProgressFile(const fs::path& file, int answers) {
    ProgressStore store(file);
    drill::SessionRecord session;
    for (int i = 0; i < answers; ++i) {
        if (i % 20 == 0) session = newSession();
        store.recordAnswer(answered(flagCard(std::string(1, static_cast<char>('A' + i % 26))), i % 3 != 0,
                                    kMorning + std::chrono::seconds(i), std::nullopt, "ответ " + std::to_string(i)),
                           session);
    }
}

// Leaves at `copy` the progress file `source` as a program killed in the
// middle of a long write leaves it: part of the write in the file, and the
// journal to undo it beside it. `source` itself is not changed.
void makeWriteCutShort(const fs::path& source, const fs::path& copy) {
    RawDatabase raw(source);
    raw.run("PRAGMA journal_mode = DELETE");
    raw.run("PRAGMA cache_size = 10");
    raw.run("BEGIN IMMEDIATE");
    // Far more changed pages than the cache holds: they go to the file
    // before the commit.
    raw.run("UPDATE answers SET given = given || hex(randomblob(400))");
    fs::copy_file(source, copy);
    fs::copy_file(withSuffix(source, "-journal"), withSuffix(copy, "-journal"));
    raw.run("ROLLBACK");
}

// Runs `check` in a child process that may not write `folder` (made
// read-only for it; the child runs as nobody when the tests run as root).
// `lockOut` names entries the child may not even read. The child's exit
// code: 0 when `check` found all well, 77 when the child could not give up
// its rights.
int inReadOnlyPlace(const fs::path& folder, const std::function<bool()>& check,
                    const std::vector<fs::path>& lockOut = {}) {
    std::vector<fs::path> entries{folder};
    for (const auto& entry : fs::directory_iterator(folder)) entries.push_back(entry.path());
    for (const fs::path& entry : entries)
        fs::permissions(entry, fs::is_directory(entry) ? fs::perms::owner_read | fs::perms::owner_exec |
                                                             fs::perms::group_read | fs::perms::group_exec |
                                                             fs::perms::others_read | fs::perms::others_exec
                                                       : fs::perms::owner_read | fs::perms::group_read |
                                                             fs::perms::others_read);
    for (const fs::path& entry : lockOut) fs::permissions(entry, fs::perms::none);
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(77);
        const bool good = check();
        std::fflush(nullptr);
        ::_exit(good ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    for (const fs::path& entry : entries) fs::permissions(entry, fs::perms::owner_all);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Reports a failed check of a child on its standard error.
bool expect(bool good, const std::string& what) {
    if (!good) std::fprintf(stderr, "child: %s\n", what.c_str());
    return good;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class DeadEndTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp_.isValid()); }
    fs::path folder() const { return fs::path(temp_.path().toStdString()); }
    fs::path progressFile() const { return folder() / "progress.sqlite3"; }

    QTemporaryDir temp_;
};

TEST_F(DeadEndTest, AWriteCutShortIsUndoneAndTheFileUsed) {
    const fs::path source = folder() / "source.sqlite3";
    writeProgressFile(source, 400);
    const std::string sound = readBytes(source);
    makeWriteCutShort(source, progressFile());
    ASSERT_FALSE(sameBytes(sound, readBytes(progressFile()))) << "the write cut short did not reach the file";
    ASSERT_GT(fs::file_size(withSuffix(progressFile(), "-journal")), 0u);
    const std::vector<std::string> givenBefore = RawDatabase(source).column("SELECT given FROM answers ORDER BY id");

    {
        ProgressStore store(progressFile(), fixedClock(), testCodes());
        EXPECT_TRUE(store.notices().empty()) << store.notices().front();
        EXPECT_FALSE(store.setAsideFile());
        EXPECT_EQ(flagStates(store).size(), 26u);
        drill::SessionRecord session = newSession();
        EXPECT_EQ(store.recordAnswer(answered(flagCard("Z"), true, kMorning + 1h), session), Keeping::Saved);
        EXPECT_EQ(session.number, 21);
    }
    EXPECT_FALSE(fs::exists(withSuffix(progressFile(), "-journal")));
    RawDatabase raw(progressFile());
    EXPECT_EQ(raw.value("PRAGMA integrity_check").toString(), "ok");
    std::vector<std::string> givenAfter = raw.column("SELECT given FROM answers ORDER BY id");
    ASSERT_EQ(givenAfter.size(), givenBefore.size() + 1);
    givenAfter.pop_back();
    EXPECT_EQ(givenAfter, givenBefore) << "the part of the cut write was not undone";
}

TEST_F(DeadEndTest, AWriteCutShortOfAFileDamagedBesidesIsUndoneAndTheFileSetAside) {
    const fs::path source = folder() / "source.sqlite3";
    writeProgressFile(source, 400);
    const int cardsPage = RawDatabase(source).value("SELECT rootpage FROM sqlite_master WHERE name = 'cards'").toInt();
    const int pageSize = RawDatabase(source).value("PRAGMA page_size").toInt();
    makeWriteCutShort(source, progressFile());
    // The cards, which the cut write did not touch, overwritten.
    std::string bytes = readBytes(progressFile());
    const auto start = static_cast<std::size_t>((cardsPage - 1) * pageSize);
    ASSERT_LE(start + static_cast<std::size_t>(pageSize), bytes.size());
    bytes.replace(start, static_cast<std::size_t>(pageSize), randomBytes(static_cast<std::size_t>(pageSize), 3));
    writeBytes(progressFile(), bytes);

    ProgressStore store(progressFile(), fixedClock());
    ASSERT_TRUE(store.setAsideFile());
    EXPECT_EQ(store.setAsideFile()->reason, SetAsideReason::Damaged);
    EXPECT_TRUE(contains(store.setAsideFile()->message, "повреждён")) << store.setAsideFile()->message;
    EXPECT_TRUE(store.saving());
    drill::SessionRecord session = newSession();
    EXPECT_EQ(store.recordAnswer(answered(flagCard("Z"), true, kMorning), session), Keeping::Saved);
}

TEST_F(DeadEndTest, AnswersWaitInOrderWhileAnotherProgramHoldsTheFile) {
    writeProgressFile(progressFile(), 1);
    ProgressStore store(progressFile(), fixedClock(kMorning + 1h), testCodes());
    RawDatabase other(progressFile());
    other.run("BEGIN IMMEDIATE");

    drill::SessionRecord first = newSession(SignalSet::Flags, AskMode::RecogniseFlag);
    drill::SessionRecord second = newSession(SignalSet::General, AskMode::Compose, 'K');
    const drill::Answer answers[] = {
        answered(flagCard("K"), false, kMorning + 1h),
        answered(flagCard("K"), true, kMorning + 1h + 10s, answered(flagCard("K"), false, kMorning + 1h).stateAfter),
        answered({SignalSet::General, AskMode::Compose, "K1"}, true, kMorning + 1h + 20s),
    };
    EXPECT_EQ(store.recordAnswer(answers[0], first), Keeping::Pending);
    EXPECT_EQ(store.recordAnswer(answers[1], first), Keeping::Pending);
    // The other program begins a session of its own meanwhile.
    other.run("INSERT INTO sessions VALUES (2, 'flags', 'meaning', '', '2026-12-10T15:00:00Z')");
    other.run("INSERT INTO answers (answered_at, card_set, mode, code, given, correct, session) "
              "VALUES ('2026-12-10T15:00:00Z', 'flags', 'meaning', 'Q', 'Q', 1, 2)");
    EXPECT_EQ(store.recordAnswer(answers[2], second), Keeping::Pending);
    EXPECT_FALSE(first.number);
    EXPECT_FALSE(second.number);

    // What waits is read as if written.
    EXPECT_TRUE(store.answersWaiting());
    EXPECT_EQ(store.notices(), std::vector<std::string>{kWaiting});
    EXPECT_EQ(flagStates(store).at(flagCard("K")), answers[1].stateAfter);
    EXPECT_EQ(store.cardStates(SignalSet::General, AskMode::Compose).size(), 1u);
    EXPECT_EQ(store.lastChoice(), second.choice);
    EXPECT_EQ(store.writeWaiting(), Keeping::Pending);

    other.run("COMMIT");
    EXPECT_EQ(store.writeWaiting(), Keeping::Saved);
    EXPECT_FALSE(store.answersWaiting());
    EXPECT_TRUE(store.notices().empty());
    // The first session's number comes with its next answer.
    EXPECT_EQ(store.recordAnswer(answered(flagCard("L"), true, kMorning + 1h + 30s), first), Keeping::Saved);
    EXPECT_EQ(first.number, 3);
    EXPECT_EQ(store.recordAnswer(answered({SignalSet::General, AskMode::Compose, "K2"}, true, kMorning + 2h), second),
              Keeping::Saved);
    EXPECT_EQ(second.number, 4);
    EXPECT_EQ(other.column("SELECT code || ' ' || correct || ' ' || session FROM answers ORDER BY id"),
              (std::vector<std::string>{"A 0 1", "Q 1 2", "K 0 3", "K 1 3", "K1 1 4", "L 1 3", "K2 1 4"}));
    EXPECT_EQ(other.column("SELECT id || ' ' || card_set || ' ' || mode || ' ' || first_letter FROM sessions ORDER BY id"),
              (std::vector<std::string>{"1 flags flag ", "2 flags meaning ", "3 flags flag ", "4 general compose K"}));
}

// Two programs starting together: one finds the file the other is making,
// held while it makes it. That file is not given up on; the answers wait
// for it and go into it once it frees.
TEST_F(DeadEndTest, AFileHeldWhileAnotherProgramMakesItIsUsedOnceItFrees) {
    std::optional<RawDatabase> other(std::in_place, progressFile());
    other->run("PRAGMA journal_mode = DELETE");
    other->run("BEGIN EXCLUSIVE");
    other->run("CREATE TABLE being_made (a)");

    ProgressStore store(progressFile(), fixedClock(kMorning), testCodes());
    EXPECT_TRUE(store.saving()) << store.notSavingMessage();
    drill::SessionRecord session = newSession();
    EXPECT_EQ(store.recordAnswer(answered(flagCard("K"), true, kMorning), session), Keeping::Pending);

    other->run("ROLLBACK");
    other.reset();
    EXPECT_EQ(store.writeWaiting(), Keeping::Saved);
    EXPECT_TRUE(store.notices().empty());
    EXPECT_EQ(RawDatabase(progressFile()).column("SELECT code FROM answers"), std::vector<std::string>{"K"});
}

TEST_F(DeadEndTest, AResetRefusedByAnotherProgramSaysSoAndLosesNothing) {
    writeProgressFile(progressFile(), 3);
    ProgressStore store(progressFile(), fixedClock());
    {
        RawDatabase other(progressFile());
        other.run("BEGIN IMMEDIATE");
        EXPECT_FALSE(store.resetAll());
        ASSERT_EQ(store.notices().size(), 1u);
        EXPECT_TRUE(contains(store.notices().front(), "не сброшен")) << store.notices().front();
        EXPECT_EQ(flagStates(store).size(), 3u);
        other.run("ROLLBACK");
    }
    EXPECT_TRUE(store.resetAll());
    EXPECT_TRUE(store.notices().empty());
    EXPECT_TRUE(flagStates(store).empty());
}

TEST_F(DeadEndTest, ASoundFileWhereNothingMayBeWrittenIsReadAndDrilledInMemory) {
    writeProgressFile(progressFile(), 45);
    const std::string original = readBytes(progressFile());
    const std::vector<std::string> entries = entriesOf(folder());
    const int result = inReadOnlyPlace(folder(), [this] {
        ProgressStore store(progressFile(), fixedClock(kMorning + 1h), testCodes());
        bool good = expect(!store.saving(), "saving on a read-only place");
        good &= expect(contains(store.notSavingMessage(), "можно только читать"), store.notSavingMessage());
        good &= expect(contains(store.notSavingMessage(), "нет права записи"), store.notSavingMessage());
        good &= expect(flagStates(store).size() == 26, "the file's cards are not read");
        good &= expect(store.recentSessions().size() == 3, "the file's sessions are not read");
        good &= expect(store.lastChoice().has_value(), "no last choice");
        drill::SessionRecord session = newSession();
        good &= expect(store.recordAnswer(answered(flagCard("Z"), false, kMorning + 1h), session) == Keeping::InMemory,
                       "an answer not kept in memory");
        good &= expect(session.number == 4, "the session is not numbered on");
        good &= expect(flagStates(store).at(flagCard("Z")).box == 0, "the answer in memory is not read");
        return good;
    });
    if (result == 77) GTEST_SKIP() << "the child could not give up the rights of root";
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(sameBytes(original, readBytes(progressFile())));
    EXPECT_EQ(entriesOf(folder()), entries);
}

TEST_F(DeadEndTest, AVersionOneFileWhereNothingMayBeWrittenIsReadUpToDate) {
    writeVersion1File(progressFile(), {
                                          "INSERT INTO answers VALUES (1, '2026-12-10T14:03:07Z', 'flags', 'flag', 'A', "
                                          "'A', 1, 4)",
                                          "INSERT INTO cards VALUES ('flags', 'flag', 'A', 6, 1796997787, 1796911387)",
                                      });
    { RawDatabase(progressFile()).run("PRAGMA journal_mode = DELETE"); }
    const std::string original = readBytes(progressFile());
    const int result = inReadOnlyPlace(folder(), [this] {
        ProgressStore store(progressFile(), fixedClock(kMorning + 1h), testCodes());
        bool good = expect(!store.saving() && !store.setAsideFile(), "not read in memory");
        const drill::CardStates states = flagStates(store);
        good &= expect(states.size() == 1 && states.begin()->second.box == 1, "the card is not worked out afresh");
        good &= expect(store.recentSessions().size() == 1 && store.recentSessions().front().number == 4,
                       "the session is not read");
        return good;
    });
    if (result == 77) GTEST_SKIP() << "the child could not give up the rights of root";
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(sameBytes(original, readBytes(progressFile())));
}

TEST_F(DeadEndTest, AWriteCutShortWhereNothingMayBeWrittenIsNamedAsTheCause) {
    const fs::path source = folder() / "source.sqlite3";
    writeProgressFile(source, 400);
    const fs::path place = folder() / "read-only";
    fs::create_directories(place);
    makeWriteCutShort(source, place / "progress.sqlite3");
    const std::string original = readBytes(place / "progress.sqlite3");
    fs::permissions(folder(), fs::perms::group_exec | fs::perms::others_exec, fs::perm_options::add);
    const int result = inReadOnlyPlace(place, [&place] {
        ProgressStore store(place / "progress.sqlite3", fixedClock());
        bool good = expect(!store.saving() && !store.setAsideFile(), "saving, or set aside");
        good &= expect(contains(store.notSavingMessage(), "была прервана"), store.notSavingMessage());
        good &= expect(contains(store.notSavingMessage(), "нет права записи"), store.notSavingMessage());
        drill::SessionRecord session = newSession();
        good &= expect(store.recordAnswer(answered(flagCard("Z"), true, kMorning), session) == Keeping::InMemory,
                       "an answer not kept in memory");
        return good;
    });
    if (result == 77) GTEST_SKIP() << "the child could not give up the rights of root";
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(sameBytes(original, readBytes(place / "progress.sqlite3")));
    EXPECT_TRUE(fs::exists(place / "progress.sqlite3-journal"));
}

TEST_F(DeadEndTest, WhereNothingMayBeWrittenOrReadTheMessageNamesTheCause) {
    struct Case {
        const char* name;
        bool withFile;
        bool fileLockedOut;
        const char* cause;
    };
    const Case cases[] = {
        {"a read-only folder, no file yet", false, false, "нет права записи"},
        {"a file nobody may read", true, true, "нет права чтения"},
    };
    fs::permissions(folder(), fs::perms::group_exec | fs::perms::others_exec, fs::perm_options::add);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path place = folder() / (c.withFile ? "locked" : "empty");
        fs::create_directories(place);
        if (c.withFile) writeProgressFile(place / "progress.sqlite3", 3);
        const std::vector<std::string> entries = entriesOf(place);
        const int result = inReadOnlyPlace(
            place,
            [&place, &c] {
                ProgressStore store(place / "progress.sqlite3", fixedClock());
                drill::SessionRecord session = newSession();
                bool good = expect(store.recordAnswer(answered(flagCard("Z"), true, kMorning), session) ==
                                       Keeping::InMemory,
                                   "an answer not kept in memory");
                good &= expect(contains(store.notSavingMessage(), c.cause), store.notSavingMessage());
                return good;
            },
            c.withFile ? std::vector<fs::path>{place / "progress.sqlite3"} : std::vector<fs::path>{});
        if (result == 77) GTEST_SKIP() << "the child could not give up the rights of root";
        EXPECT_EQ(result, 0);
        EXPECT_EQ(entriesOf(place), entries);
    }
}

TEST_F(DeadEndTest, AFileNameIsAlwaysTheNameOfAFile) {
    const char* names[] = {"file:p.sqlite3?mode=memory", "file:p.sqlite3?mode=ro", ":memory:",
                           "прогресс 50%#1.sqlite3", "file:///etc/passwd"};
    const fs::path before = fs::current_path();
    fs::current_path(folder());
    for (const char* name : names) {
        SCOPED_TRACE(name);
        {
            ProgressStore store(name, fixedClock());
            drill::SessionRecord session = newSession();
            EXPECT_EQ(store.recordAnswer(answered(flagCard("A"), true, kMorning), session), Keeping::Saved);
            EXPECT_TRUE(store.notices().empty());
            EXPECT_EQ(store.file(), folder() / name);
        }
        EXPECT_TRUE(fs::is_regular_file(folder() / name)) << "no file of that name";
        ProgressStore again(name, fixedClock());
        EXPECT_EQ(flagStates(again).size(), 1u) << "the file does not read back";
    }
    fs::current_path(before);
}

TEST_F(DeadEndTest, AFileSizeLimitEndsSavingNotTheProgram) {
    const fs::path file = progressFile();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // As the program starts: the signal's default would end the process.
            std::signal(SIGXFSZ, SIG_DFL);
            mss::runtime::ignoreFileSizeSignal();
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 64 * 1024;
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ProgressStore store(file);
            drill::SessionRecord session = newSession();
            Keeping kept = Keeping::Saved;
            for (int i = 0; i < 5000 && kept == Keeping::Saved; ++i)
                kept = store.recordAnswer(answered(flagCard("A"), true, kMorning, std::nullopt, std::string(500, 'x')),
                                          session);
            std::fprintf(stderr, "%s\n", store.notSavingMessage().c_str());
            std::exit(kept == Keeping::InMemory && contains(store.notSavingMessage(), "предел размера файла") ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "предел размера файла");
}

TEST_F(DeadEndTest, ClocksFarOffLeaveTimesTheFileCanHold) {
    struct Case {
        const char* name;
        asking::TimePoint answeredAt;
        const char* storedAt;  // the answer's time in the file
    };
    const asking::TimePoint latest = asking::TimePoint{std::chrono::sys_days{std::chrono::year{2261} / 12 / 1}};
    const Case cases[] = {
        {"a clock in 1990", asking::TimePoint{std::chrono::sys_days{std::chrono::year{1990} / 6 / 1}},
         "2000-01-01T00:00:00Z"},
        {"a clock in 2100", asking::TimePoint{std::chrono::sys_days{std::chrono::year{2100} / 6 / 1}},
         "2100-06-01T00:00:00Z"},
        {"a clock near the end of what nanoseconds since 1970 hold", latest, "2199-12-31T23:59:59Z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(progressFile());
        fs::remove_all(withSuffix(progressFile(), "-wal"));
        fs::remove_all(withSuffix(progressFile(), "-shm"));
        {
            ProgressStore store(progressFile(), fixedClock(c.answeredAt));
            drill::SessionRecord session = newSession();
            const drill::CardState topBox{drill::kTopBox, c.answeredAt + drill::delayOfBox(drill::kTopBox), c.answeredAt};
            EXPECT_EQ(store.recordAnswer({flagCard("A"), "A", true, c.answeredAt, topBox}, session), Keeping::Saved);
        }
        EXPECT_EQ(RawDatabase(progressFile()).column("SELECT answered_at FROM answers"),
                  std::vector<std::string>{c.storedAt});
        // Read back with the clock right again: the card is there, and due
        // at once if its due time is more than a year away.
        ProgressStore store(progressFile(), fixedClock(kMorning));
        const drill::CardStates states = flagStates(store);
        ASSERT_EQ(states.size(), 1u) << "the card was not read back";
        const drill::CardState& state = states.begin()->second;
        EXPECT_LE(state.due, kMorning + std::chrono::days{365});
        if (c.answeredAt > kMorning) {
            EXPECT_EQ(state.due, kMorning);
        }
    }
}

}  // namespace
}  // namespace mss::progress
