// SPDX-License-Identifier: GPL-3.0-or-later
// Progress written by whole programs: one killed at every step of creating
// the file, and two writing one file at once.

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "progress/progress_store.h"
#include "progress_test_support.h"

namespace mss::progress {
namespace {

using namespace testing;

// The ids a child printed, one a line.
std::vector<std::string> linesOf(const QByteArray& output) {
    std::vector<std::string> lines;
    for (const QByteArray& line : output.split('\n'))
        if (!line.isEmpty()) lines.push_back(line.toStdString());
    return lines;
}

QStringList loopArguments(const fs::path& file, int round, int count) {
    return {QString::fromStdString(file.string()), QString::number(round), QString::number(count)};
}

TEST(WholePrograms, AProgramKilledAtAnyStepOfCreatingTheFileLeavesOneTheNextRunUses) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const fs::path folder = fs::path(temp.path().toStdString()) / "mss65";
    const fs::path file = folder / "progress.sqlite3";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(MSS65_KILL_AT_SYNC_LIBRARY));
    // The sanitizer build wants its own library first; the preloaded one is built with it.
    const QString asan = environment.value(QStringLiteral("ASAN_OPTIONS"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) +
                                                           QStringLiteral("verify_asan_link_order=0"));

    bool finished = false;
    for (int killAt = 1; killAt <= 40 && !finished; ++killAt) {
        SCOPED_TRACE("killed at fdatasync " + std::to_string(killAt));
        fs::remove_all(folder);
        environment.insert(QStringLiteral("MSS65_KILL_AT_SYNC"), QString::number(killAt));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(MSS65_ANSWER_LOOP), loopArguments(file, 1, 3));
        ASSERT_TRUE(child.waitForFinished(30000)) << child.errorString().toStdString();
        finished = child.exitStatus() == QProcess::NormalExit;
        ASSERT_TRUE(!finished || child.exitCode() == 0) << child.readAllStandardError().toStdString();
        const std::vector<std::string> reported = linesOf(child.readAllStandardOutput());

        ProgressStore store(file);
        EXPECT_TRUE(store.notices().empty()) << store.notices().front();
        drill::SessionRecord session = newSession();
        EXPECT_EQ(store.recordAnswer(answered(flagCard("Z"), true, kMorning), session), asking::Keeping::Saved);
        const std::vector<std::string> stored = RawDatabase(file).column("SELECT given FROM answers");
        const std::set<std::string> inFile(stored.begin(), stored.end());
        for (const std::string& id : reported) EXPECT_TRUE(inFile.contains(id)) << "answer " << id << " is lost";
    }
    EXPECT_TRUE(finished) << "the child never got through creating the file and three answers";
}

// The moment most open to a race: a program judging the file while the
// other is creating it. Seen half made, a file must not pass for another
// program's and be set aside.
TEST(WholePrograms, ProgramsCreatingTheFileTogetherBothKeepTheirAnswers) {
    constexpr int kRounds = 40, kAnswers = 2;
    for (int round = 1; round <= kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        QTemporaryDir temp;
        ASSERT_TRUE(temp.isValid());
        const fs::path file = fs::path(temp.path().toStdString()) / "progress.sqlite3";
        QProcess first, second;
        first.start(QStringLiteral(MSS65_ANSWER_LOOP), loopArguments(file, 1, kAnswers));
        second.start(QStringLiteral(MSS65_ANSWER_LOOP), loopArguments(file, 2, kAnswers));
        for (QProcess* child : {&first, &second}) {
            ASSERT_TRUE(child->waitForFinished(30000)) << child->errorString().toStdString();
            EXPECT_EQ(child->exitCode(), 0) << child->readAllStandardError().toStdString();
        }
        // The file and its companions, nothing set aside.
        const std::set<std::string> own{"progress.sqlite3", "progress.sqlite3-wal", "progress.sqlite3-shm",
                                        "progress.sqlite3-journal"};
        for (const auto& entry : fs::directory_iterator(file.parent_path()))
            EXPECT_TRUE(own.contains(entry.path().filename())) << entry.path().filename() << " beside the file";
        ASSERT_EQ(RawDatabase(file).value("SELECT count(*) FROM answers").toInt(), 2 * kAnswers);
    }
}

TEST(WholePrograms, TwoProgramsWritingOneFileNeverShareASession) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const fs::path file = fs::path(temp.path().toStdString()) / "progress.sqlite3";
    constexpr int kAnswers = 150;
    QProcess first, second;
    first.start(QStringLiteral(MSS65_ANSWER_LOOP), loopArguments(file, 1, kAnswers));
    second.start(QStringLiteral(MSS65_ANSWER_LOOP), loopArguments(file, 2, kAnswers));
    for (QProcess* child : {&first, &second}) {
        ASSERT_TRUE(child->waitForFinished(60000)) << child->errorString().toStdString();
        ASSERT_EQ(child->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child->exitCode(), 0) << child->readAllStandardError().toStdString();
        EXPECT_EQ(linesOf(child->readAllStandardOutput()).size(), static_cast<std::size_t>(kAnswers));
    }
    // The round of an answer is in its id: given / 1000000.
    std::map<long long, std::set<long long>> sessionsOfRound;
    for (const std::string& row : RawDatabase(file).column("SELECT (given / 1000000) || ' ' || session FROM answers")) {
        const auto space = row.find(' ');
        sessionsOfRound[std::stoll(row.substr(0, space))].insert(std::stoll(row.substr(space + 1)));
    }
    ASSERT_EQ(sessionsOfRound.size(), 2u);
    EXPECT_EQ(sessionsOfRound[1].size(), 1u) << "one program's answers in several sessions";
    EXPECT_EQ(sessionsOfRound[2].size(), 1u);
    EXPECT_NE(*sessionsOfRound[1].begin(), *sessionsOfRound[2].begin()) << "both programs wrote one session";
    EXPECT_EQ(RawDatabase(file).value("SELECT count(*) FROM answers").toInt(), 2 * kAnswers);
}

}  // namespace
}  // namespace mss::progress

int main(int argc, char** argv) {
    // QProcess wants an application object for its notifications.
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
