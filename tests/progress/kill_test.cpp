// SPDX-License-Identifier: GPL-3.0-or-later
// Crash safety: a child process records answers (of the drill, and of an
// exam ticket) and reports each one the moment it is committed; it is killed with SIGKILL at random moments, again
// and again on the same file. Every reported answer must be in the file, the
// file must pass SQLite's integrity check, and the store must open it as
// its own, without setting anything aside.

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <random>
#include <set>
#include <thread>

#include "progress/progress_store.h"
#include "progress_test_support.h"

namespace mss::progress {
namespace {

using namespace testing;
using Deadline = std::chrono::steady_clock::time_point;

constexpr unsigned kDefaultSeed = 65065;
constexpr int kRounds = 60;

unsigned seedOfRun() {
    if (const char* seed = std::getenv("MSS65_SEED")) return static_cast<unsigned>(std::strtoul(seed, nullptr, 10));
    return kDefaultSeed;
}

int millisecondsLeft(Deadline deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<long long>(left.count(), 0));
}

// The complete lines of the child's output so far; an unfinished last line
// stays in `pending`.
void takeLines(QProcess& child, QByteArray& pending, std::vector<std::string>& lines) {
    pending += child.readAllStandardOutput();
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
        lines.push_back(pending.left(end).toStdString());
        pending.remove(0, end + 1);
    }
}

// A ticket's question answered again replaces the answer before: an exam
// answer reported may be gone only when a later answer of the same place is
// in the file (a place comes round every 20 answers of a child).
bool replacedLater(const std::string& id, const std::set<std::string>& inFile) {
    const long long n = std::stoll(id.substr(0, id.size() - 1));
    for (long long later = n + 20; later < n / 1000000 * 1000000 + 1000000; later += 20)
        if (inFile.contains(std::to_string(later) + "t")) return true;
    return false;
}

TEST(CrashSafety, EveryReportedAnswerSurvivesSigkill) {
    const unsigned seed = seedOfRun();
    SCOPED_TRACE("seed " + std::to_string(seed) + " (MSS65_SEED=" + std::to_string(seed) + " repeats this run)");
    std::mt19937 random(seed);
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const fs::path folder = fs::path(temp.path().toStdString()) / "mss65";
    const fs::path file = folder / "progress.sqlite3";

    std::set<std::string> reported;
    int killedWhileAnswering = 0;
    for (int round = 1; round <= kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        // How many reports to wait for, then a random pause of up to 3 ms, so
        // the kill falls anywhere in the cycle of an answer: none at all
        // kills the child while it opens or creates the file.
        const int answersBeforeKill = std::uniform_int_distribution<int>(0, 25)(random);
        const auto pause = std::chrono::microseconds(std::uniform_int_distribution<int>(0, 3000)(random));

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MSS65_LOOP_TICKETS"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(MSS65_ANSWER_LOOP),
                    {QString::fromStdString(file.string()), QString::number(round)});
        ASSERT_TRUE(child.waitForStarted(10000)) << child.errorString().toStdString();

        const Deadline deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        std::vector<std::string> lines;
        QByteArray pending;
        while (static_cast<int>(lines.size()) < answersBeforeKill && child.state() == QProcess::Running &&
               millisecondsLeft(deadline) > 0) {
            child.waitForReadyRead(millisecondsLeft(deadline));
            takeLines(child, pending, lines);
        }
        ASSERT_GE(static_cast<int>(lines.size()), answersBeforeKill)
            << "the child did not report in time; its errors: " << child.readAllStandardError().toStdString();
        std::this_thread::sleep_for(pause);
        const bool wasRunning = child.state() == QProcess::Running;
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        takeLines(child, pending, lines);
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit)
            << "the child ended by itself (" << child.exitCode()
            << "): " << child.readAllStandardError().toStdString();
        if (wasRunning) ++killedWhileAnswering;
        reported.insert(lines.begin(), lines.end());

        if (!fs::exists(file)) {
            ASSERT_TRUE(reported.empty()) << "answers were reported, and there is no file";
            continue;
        }
        RawDatabase raw(file);
        EXPECT_EQ(raw.value("PRAGMA integrity_check").toString().toStdString(), "ok");
        std::vector<std::string> stored = raw.column("SELECT given FROM answers");
        // The exam's answers too: a question of a ticket is kept as the last given.
        for (const std::string& given : raw.column("SELECT given FROM ticket_answers")) stored.push_back(given);
        const std::set<std::string> inFile(stored.begin(), stored.end());
        std::vector<std::string> lost;
        for (const std::string& id : reported)
            if (!inFile.contains(id) && !(id.ends_with('t') && replacedLater(id, inFile))) lost.push_back(id);
        ASSERT_TRUE(lost.empty()) << lost.size() << " reported answers are not in the file, the first " << lost.front();
    }
    EXPECT_GE(killedWhileAnswering, 50);

    ProgressStore store(file);
    EXPECT_TRUE(store.saving()) << store.notSavingMessage();
    EXPECT_FALSE(store.setAsideFile());
    EXPECT_EQ(entriesOf(folder).front(), "progress.sqlite3");
    for (const std::string& name : entriesOf(folder))
        EXPECT_TRUE(name == "progress.sqlite3" || name == "progress.sqlite3-wal" || name == "progress.sqlite3-shm")
            << "unexpected file " << name;
    // Every card answered has its state, however far the children got.
    std::set<std::string> answered;
    for (const std::string& code : RawDatabase(file).column("SELECT DISTINCT code FROM answers")) answered.insert(code);
    std::set<std::string> withState;
    for (const auto& [card, state] : store.cardStates(asking::SignalSet::Flags, asking::AskMode::RecogniseFlag))
        withState.insert(card.code);
    EXPECT_EQ(withState, answered);
    EXPECT_GE(answered.size(), 20u) << "the children gave too few answers to test anything";
}

}  // namespace
}  // namespace mss::progress

int main(int argc, char** argv) {
    // QProcess wants an application object for its notifications.
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
