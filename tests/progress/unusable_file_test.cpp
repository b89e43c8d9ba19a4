// SPDX-License-Identifier: GPL-3.0-or-later
// Files the store cannot use: a damaged file, another program's SQLite file
// and a newer МСС-65's file are each renamed and kept byte for byte, the
// learner is told why in Russian, and progress starts afresh.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <unistd.h>

#include "progress/progress_schema.h"
#include "progress/progress_store.h"
#include "progress_test_support.h"

namespace mss::progress {
namespace {

using namespace std::chrono_literals;
using namespace testing;

// A sound progress file of `answers` answers, closed.
void writeProgressFile(const fs::path& file, int answers) {
    ProgressStore store(file);
    drill::SessionRecord session = newSession();
    for (int i = 0; i < answers; ++i) {
        if (i % 20 == 0) session = newSession();
        store.recordAnswer(answered(flagCard(std::string(1, static_cast<char>('A' + i % 26))), i % 3 != 0,
                                    kMorning + std::chrono::seconds(i), std::nullopt, "ответ " + std::to_string(i)),
                           session);
    }
}

drill::CardStates flagStates(ProgressStore& store) {
    return store.cardStates(asking::SignalSet::Flags, asking::AskMode::RecogniseFlag);
}

struct UnusableCase {
    const char* name;
    std::function<void(const fs::path&)> make;
    SetAsideReason reason;
    const char* nameWord;
    std::vector<const char*> phrases;  // each must be in the message
    std::vector<const char*> companions;
};

const UnusableCase kCases[] = {
    {"random bytes", [](const fs::path& file) { writeBytes(file, randomBytes(8192, 7)); }, SetAsideReason::Damaged,
     "damaged", {"повреждён"}, {}},
    {"random bytes with a journal and shared memory beside them",
     [](const fs::path& file) {
         writeBytes(file, randomBytes(4096, 8));
         writeBytes(fs::path(file.string() + "-wal"), randomBytes(3000, 9));
         writeBytes(fs::path(file.string() + "-shm"), randomBytes(32768, 10));
     },
     SetAsideReason::Damaged, "damaged", {"повреждён"}, {"-wal", "-shm"}},
    {"a progress file cut in half",
     [](const fs::path& file) {
         writeProgressFile(file, 600);
         const auto size = fs::file_size(file);
         ASSERT_GT(size, 16384u) << "too small a file to cut";
         fs::resize_file(file, size / 2);
     },
     SetAsideReason::Damaged, "damaged", {"повреждён"}, {}},
    {"a progress file with its cards table gone",
     [](const fs::path& file) {
         writeProgressFile(file, 5);
         RawDatabase(file).run("DROP TABLE cards");
     },
     SetAsideReason::Damaged, "damaged", {"повреждён"}, {}},
    {"another program's SQLite file",
     [](const fs::path& file) {
         RawDatabase raw(file);
         raw.run("CREATE TABLE ships (name TEXT, port TEXT)");
         raw.run("INSERT INTO ships VALUES ('Крузенштерн', 'Калининград')");
     },
     SetAsideReason::NotOurs, "foreign", {"не является файлом прогресса МСС-65"}, {}},
    {"a progress file of a newer МСС-65",
     [](const fs::path& file) {
         writeProgressFile(file, 5);
         RawDatabase raw(file);
         raw.run("PRAGMA journal_mode = DELETE");
         raw.run("PRAGMA user_version = 99");
     },
     SetAsideReason::NewerVersion, "newer", {"более новой версией МСС-65", "версия формата 99"}, {}},
};

class UnusableFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp_.isValid()); }
    fs::path folder() const { return fs::path(temp_.path().toStdString()); }
    fs::path progressFile() const { return folder() / "progress.sqlite3"; }

    QTemporaryDir temp_;
};

TEST_F(UnusableFileTest, IsKeptAsItWasAndProgressStartsAfresh) {
    for (const UnusableCase& c : kCases) {
        SCOPED_TRACE(c.name);
        for (const auto& entry : fs::directory_iterator(folder())) fs::remove_all(entry.path());
        c.make(progressFile());
        const std::string original = readBytes(progressFile());
        std::vector<std::string> companionBytes;
        for (const char* companion : c.companions) companionBytes.push_back(readBytes(progressFile().string() + companion));

        ProgressStore store(progressFile(), fixedClock());
        ASSERT_TRUE(store.setAsideFile());
        const SetAsideFile& kept = *store.setAsideFile();
        EXPECT_EQ(kept.reason, c.reason);
        EXPECT_EQ(kept.keptAs, fs::path(progressFile().string() + "." + c.nameWord + "-" + kMorningStamp));
        for (const char* phrase : c.phrases) EXPECT_NE(kept.message.find(phrase), std::string::npos) << kept.message;
        EXPECT_NE(kept.message.find(kept.keptAs.string()), std::string::npos) << "the message names the kept file";
        EXPECT_TRUE(store.saving());

        EXPECT_TRUE(sameBytes(original, readBytes(kept.keptAs))) << "the kept file differs from the one found";
        for (std::size_t i = 0; i < c.companions.size(); ++i)
            EXPECT_TRUE(sameBytes(companionBytes[i], readBytes(kept.keptAs.string() + c.companions[i]))) << c.companions[i];
        EXPECT_FALSE(fs::exists(progressFile())) << "a fresh file before the first answer";
        EXPECT_TRUE(flagStates(store).empty());
        EXPECT_EQ(store.notices(), std::vector<std::string>{kept.message});

        drill::SessionRecord session = newSession();
        EXPECT_EQ(store.recordAnswer(answered(flagCard("Z"), true, kMorning), session), asking::Keeping::Saved);
        EXPECT_EQ(flagStates(store).size(), 1u);
        ProgressStore fresh(progressFile());
        EXPECT_EQ(flagStates(fresh).size(), 1u) << "the fresh file does not read back";
        EXPECT_EQ(RawDatabase(progressFile()).value("PRAGMA application_id").toInt(), kApplicationId);
        EXPECT_TRUE(sameBytes(original, readBytes(kept.keptAs))) << "the kept file changed after the fresh start";
    }
}

TEST_F(UnusableFileTest, ASecondFileSetAsideInTheSameSecondGetsANameOfItsOwn) {
    std::vector<fs::path> keptFiles;
    for (unsigned seed : {1u, 2u, 3u}) {
        writeBytes(progressFile(), randomBytes(2048, seed));
        ProgressStore store(progressFile(), fixedClock());
        ASSERT_TRUE(store.setAsideFile()) << "seed " << seed;
        keptFiles.push_back(store.setAsideFile()->keptAs);
        EXPECT_TRUE(sameBytes(randomBytes(2048, seed), readBytes(keptFiles.back()))) << "seed " << seed;
    }
    const std::string base = progressFile().string() + ".damaged-" + kMorningStamp;
    EXPECT_EQ(keptFiles, (std::vector<fs::path>{base, base + "-2", base + "-3"}));
    for (unsigned seed : {1u, 2u, 3u})
        EXPECT_TRUE(sameBytes(randomBytes(2048, seed), readBytes(keptFiles[seed - 1]))) << "an earlier kept file was overwritten";
}

TEST_F(UnusableFileTest, AFileThatCannotBeRenamedIsLeftAloneAndNothingIsSaved) {
    struct Case {
        const char* name;
        bool worksAsRoot;
        std::function<void(const fs::path& folder, const fs::path& file)> arrange;
        std::function<void(const fs::path& folder)> undo;
    };
    const Case cases[] = {
        {"every name the kept file could take is taken", true,
         [](const fs::path&, const fs::path& file) {
             const std::string base = file.string() + ".damaged-" + kMorningStamp;
             writeBytes(base, "taken");
             for (int n = 2; n <= 1000; ++n) writeBytes(base + "-" + std::to_string(n), "taken");
         },
         [](const fs::path&) {}},
        {"a folder that allows no renaming", false,
         [](const fs::path& folder, const fs::path&) {
             fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
         },
         [](const fs::path& folder) { fs::permissions(folder, fs::perms::owner_all); }},
    };
    const bool root = ::geteuid() == 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (root && !c.worksAsRoot) {
            std::cout << "[ SKIPPED  ] \"" << c.name << "\": running as root, where a folder's mode does not stop a rename\n";
            continue;
        }
        const fs::path folder = this->folder() / c.name;
        const fs::path file = folder / "progress.sqlite3";
        fs::create_directories(folder);
        writeBytes(file, randomBytes(4096, 11));
        c.arrange(folder, file);
        const std::vector<std::string> entriesBefore = entriesOf(folder);
        {
            ProgressStore store(file, fixedClock());
            EXPECT_FALSE(store.setAsideFile());
            EXPECT_FALSE(store.saving());
            EXPECT_NE(store.notSavingMessage().find("повреждён"), std::string::npos) << store.notSavingMessage();
            drill::SessionRecord session = newSession();
            EXPECT_EQ(store.recordAnswer(answered(flagCard("Y"), true, kMorning), session), asking::Keeping::InMemory);
            EXPECT_EQ(flagStates(store).size(), 1u) << "the answer is kept in memory";
        }
        c.undo(folder);
        EXPECT_TRUE(sameBytes(randomBytes(4096, 11), readBytes(file)));
        EXPECT_EQ(entriesOf(folder), entriesBefore) << "a file was added, renamed or removed";
    }
}

}  // namespace
}  // namespace mss::progress
