// SPDX-License-Identifier: GPL-3.0-or-later
// Places where progress cannot be written: the store says so in Russian,
// keeps the run's progress in memory and never touches what is there.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <sys/resource.h>
#include <unistd.h>

#include "progress/progress_store.h"
#include "runtime/file_size_limit.h"
#include "progress_test_support.h"

namespace mss::progress {
namespace {

using namespace std::chrono_literals;
using namespace testing;
using asking::AskMode;
using asking::SignalSet;

constexpr const char* kNotSaving = "Прогресс не сохраняется: ";

// Records two sessions and checks that the store keeps working in memory.
void checkWorksInMemory(ProgressStore& store) {
    drill::SessionRecord first = newSession();
    drill::SessionRecord second = newSession();
    EXPECT_EQ(store.recordAnswer(answered(flagCard("K"), true, kMorning), first), asking::Keeping::InMemory);
    EXPECT_FALSE(store.saving());
    EXPECT_EQ(store.notSavingMessage().rfind(kNotSaving, 0), 0u) << store.notSavingMessage();
    EXPECT_EQ(store.recordAnswer(answered(flagCard("L"), false, kMorning + 1min), second), asking::Keeping::InMemory);
    ASSERT_TRUE(first.number && second.number);
    EXPECT_LT(*first.number, *second.number);
    const auto states = store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag);
    EXPECT_TRUE(states.contains(flagCard("K")) && states.contains(flagCard("L"))) << "the answers are not kept in memory";
    EXPECT_EQ(store.counts(SignalSet::Flags, AskMode::RecogniseFlag, 36).learning, static_cast<int>(states.size()));
    EXPECT_EQ(store.recentAccuracy().sessions.back().session, *second.number);
    EXPECT_EQ(store.lastChoice(), second.choice);
    EXPECT_FALSE(store.resetAll()) << "a reset in memory is not saved either";
    EXPECT_TRUE(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).empty());
    EXPECT_EQ(store.notSavingMessage().rfind(kNotSaving, 0), 0u);
    EXPECT_EQ(store.notices(), std::vector<std::string>{store.notSavingMessage()});
}

class NotSavingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp_.isValid()); }
    fs::path folder() const { return fs::path(temp_.path().toStdString()); }

    QTemporaryDir temp_;
};

TEST_F(NotSavingTest, AnUnwritablePlaceIsReportedAndLeftAsItIs) {
    struct Case {
        const char* name;
        bool worksAsRoot;
        // Makes the place and returns the progress file to use in it.
        std::function<fs::path(const fs::path& folder)> arrange;
        std::function<void(const fs::path& folder)> undo;
        const char* phrase;  // in the message
    };
    const auto nothing = [](const fs::path&) {};
    const Case cases[] = {
        {"the folder's parent is a regular file", true,
         [](const fs::path& folder) {
             writeBytes(folder / "notes.txt", "мои заметки");
             return folder / "notes.txt" / "mss65" / "progress.sqlite3";
         },
         nothing, "не удаётся создать папку"},
        {"the folder is a regular file", true,
         [](const fs::path& folder) {
             writeBytes(folder / "notes.txt", "мои заметки");
             return folder / "notes.txt" / "progress.sqlite3";
         },
         nothing, "не удаётся создать папку"},
        {"the progress file is a folder", true,
         [](const fs::path& folder) {
             fs::create_directories(folder / "progress.sqlite3");
             writeBytes(folder / "progress.sqlite3" / "inside.txt", "x");
             return folder / "progress.sqlite3";
         },
         nothing, "другой объект"},
        {"a read-only folder", false,
         [](const fs::path& folder) {
             fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
             return folder / "progress.sqlite3";
         },
         [](const fs::path& folder) { fs::permissions(folder, fs::perms::owner_all); }, "нет права записи"},
    };
    const bool root = ::geteuid() == 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (root && !c.worksAsRoot) {
            std::cout << "[ SKIPPED  ] \"" << c.name << "\": running as root, where a folder's mode does not stop writing\n";
            continue;
        }
        const fs::path place = folder() / c.name;
        fs::create_directories(place);
        const fs::path file = c.arrange(place);
        const std::vector<std::string> entriesBefore = entriesOf(place);
        {
            ProgressStore store(file);
            checkWorksInMemory(store);
            EXPECT_NE(store.notSavingMessage().find(c.phrase), std::string::npos) << store.notSavingMessage();
            EXPECT_FALSE(store.setAsideFile());
        }
        c.undo(place);
        EXPECT_EQ(entriesOf(place), entriesBefore) << "the store changed the folder";
        if (fs::is_regular_file(place / "notes.txt")) {
            EXPECT_EQ(readBytes(place / "notes.txt"), "мои заметки");
        }
    }
}

// Stops every file of this process from growing past `bytes` (root
// included) while it lives. The signal the kernel would send is ignored, as
// the program does from its start, so writes fail with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        mss::runtime::ignoreFileSizeSignal();
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        applied_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    bool applied() const { return applied_; }

private:
    rlimit saved_{};
    bool applied_ = false;
};

TEST_F(NotSavingTest, AFileSizeLimitStopsSavingAndKeepsWhatWasSaved) {
    const fs::path file = folder() / "progress.sqlite3";
    {
        ProgressStore store(file);
        drill::SessionRecord session = newSession();
        for (const char* symbol : {"A", "B", "C"})
            ASSERT_EQ(store.recordAnswer(answered(flagCard(symbol), true, kMorning), session), asking::Keeping::Saved);
        {
            const FileSizeLimit full(0);
            ASSERT_TRUE(full.applied());
            checkWorksInMemory(store);
            EXPECT_NE(store.notSavingMessage().find("предел размера файла"), std::string::npos)
                << store.notSavingMessage();
        }
        // The rest of the run stays in memory, even with room on the disk again.
        EXPECT_EQ(store.recordAnswer(answered(flagCard("D"), true, kMorning), session), asking::Keeping::InMemory);
    }
    ProgressStore store(file);
    EXPECT_TRUE(store.saving());
    EXPECT_FALSE(store.setAsideFile());
    EXPECT_EQ(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).size(), 3u)
        << "the answers saved before the limit are lost";
    EXPECT_EQ(RawDatabase(file).value("PRAGMA integrity_check").toString(), "ok");
}

TEST_F(NotSavingTest, ProgressSavedBeforeWritingStoppedStaysInView) {
    const fs::path file = folder() / "progress.sqlite3";
    ProgressStore store(file);
    drill::SessionRecord first = newSession(SignalSet::Flags, AskMode::RecogniseFlag);
    for (const char* symbol : {"A", "B", "C"})
        ASSERT_EQ(store.recordAnswer(answered(flagCard(symbol), true, kMorning), first), asking::Keeping::Saved);
    const FileSizeLimit full(0);
    ASSERT_TRUE(full.applied());
    drill::SessionRecord second = newSession(SignalSet::Flags, AskMode::RecogniseFlag);
    EXPECT_EQ(store.recordAnswer(answered(flagCard("D"), false, kMorning), second), asking::Keeping::InMemory);
    EXPECT_NE(store.notSavingMessage().find(file.string()), std::string::npos) << store.notSavingMessage();
    EXPECT_EQ(store.cardStates(SignalSet::Flags, AskMode::RecogniseFlag).size(), 4u)
        << "the memory copy lacks the answers saved in the file";
    EXPECT_EQ(store.counts(SignalSet::Flags, AskMode::RecogniseFlag, 36), (ProgressCounts{32, 4, 0}));
    EXPECT_EQ(second.number, 2) << "the copy's sessions are numbered on";
    EXPECT_EQ(store.recentSessions().size(), 2u);
}

}  // namespace
}  // namespace mss::progress
