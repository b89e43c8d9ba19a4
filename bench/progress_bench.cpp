// SPDX-License-Identifier: GPL-3.0-or-later
// The drill's costs the learner can feel:
//   - choosing the next session's questions: the states of the general
//     section's 1,403 cards loaded from a progress file of 1,879 answered
//     cards, then the plan of a session;
//   - recording an answer: one committed transaction on a real file in /tmp;
//   - recording an answer while another program holds the file: how long
//     the window waits before the answer is kept to be written later.
// Run with --benchmark_repetitions=N to get the median over N runs.

#include <QSqlDatabase>
#include <QSqlQuery>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "drill/leitner_boxes.h"
#include "drill/session_plan.h"
#include "progress/progress_store.h"

namespace {

using namespace mss;
namespace fs = std::filesystem;

// The signals of the code book a learner can be asked the meaning of:
// 1,403 + 442 + 25 + 9 = 1,879 cards.
std::vector<drill::CardKey> everyMeaningCard() {
    std::vector<drill::CardKey> cards;
    const auto add = [&cards](asking::SignalSet set, const std::string& prefix, int count) {
        for (int i = 0; i < count; ++i) cards.push_back({set, asking::AskMode::Meaning, prefix + std::to_string(i)});
    };
    add(asking::SignalSet::General, "G", 1403);
    add(asking::SignalSet::Medical, "M", 442);
    add(asking::SignalSet::SingleLetter, "S", 25);
    add(asking::SignalSet::Tables, "T-", 9);
    return cards;
}

// A fresh folder under /tmp for one benchmark's file, removed afterwards.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "mss65-bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
    }
    ~TemporaryFolder() {
        std::error_code error;
        if (!path_.empty()) fs::remove_all(path_, error);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

const asking::TimePoint kNow = asking::TimePoint{std::chrono::seconds{1'796'911'387}};

// Every card answered once, in boxes and due times spread as after months
// of drilling: some overdue, most due later.
bool fillProgressFile(const fs::path& file, const std::vector<drill::CardKey>& pool) {
    progress::ProgressStore store(file);
    std::mt19937 random(1879);
    std::uniform_int_distribution<int> box(drill::kFirstBox, drill::kTopBox);
    std::uniform_int_distribution<int> hoursFromNow(-240, 1440);
    drill::SessionRecord session{{asking::SignalSet::General, asking::AskMode::Meaning, 0}, std::nullopt};
    for (const drill::CardKey& card : pool) {
        const auto last = kNow - std::chrono::hours(48);
        const drill::CardState after{box(random), kNow + std::chrono::hours(hoursFromNow(random)), last};
        if (store.recordAnswer({card, "?", true, last, after}, session) != asking::Keeping::Saved) return false;
    }
    return true;
}

// The cards of the general section, which a session of it chooses among.
std::vector<drill::CardKey> generalCards(const std::vector<drill::CardKey>& pool) {
    std::vector<drill::CardKey> general;
    for (const drill::CardKey& card : pool)
        if (card.set == asking::SignalSet::General) general.push_back(card);
    return general;
}

drill::CardStates generalStates(progress::ProgressStore& store) {
    return store.cardStates(asking::SignalSet::General, asking::AskMode::Meaning);
}

void BM_ChooseSessionFromStore(benchmark::State& state) {
    TemporaryFolder folder;
    const fs::path file = folder.path() / "progress.sqlite3";
    if (!fillProgressFile(file, everyMeaningCard())) return state.SkipWithError("the progress file could not be written");
    const std::vector<drill::CardKey> pool = generalCards(everyMeaningCard());
    progress::ProgressStore store(file);
    std::uint64_t seed = 0;
    std::size_t questions = 0;
    for (auto _ : state) {
        const drill::CardStates states = generalStates(store);
        const std::vector<drill::CardKey> plan =
            drill::planSession(pool, states, kNow, {}, asking::seededRandomSource(++seed));
        questions = plan.size();
        benchmark::DoNotOptimize(plan.data());
    }
    state.counters["cards"] = static_cast<double>(pool.size());
    state.counters["questions"] = static_cast<double>(questions);
}
BENCHMARK(BM_ChooseSessionFromStore)->Unit(benchmark::kMillisecond);

// The two halves of the above, apart.
void BM_LoadCardStates(benchmark::State& state) {
    TemporaryFolder folder;
    const fs::path file = folder.path() / "progress.sqlite3";
    if (!fillProgressFile(file, everyMeaningCard())) return state.SkipWithError("the progress file could not be written");
    progress::ProgressStore store(file);
    for (auto _ : state) benchmark::DoNotOptimize(generalStates(store));
}
BENCHMARK(BM_LoadCardStates)->Unit(benchmark::kMillisecond);

void BM_PlanSession(benchmark::State& state) {
    TemporaryFolder folder;
    const fs::path file = folder.path() / "progress.sqlite3";
    if (!fillProgressFile(file, everyMeaningCard())) return state.SkipWithError("the progress file could not be written");
    const std::vector<drill::CardKey> pool = generalCards(everyMeaningCard());
    progress::ProgressStore store(file);
    const drill::CardStates states = generalStates(store);
    std::uint64_t seed = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(drill::planSession(pool, states, kNow, {}, asking::seededRandomSource(++seed)));
}
BENCHMARK(BM_PlanSession)->Unit(benchmark::kMillisecond);

void BM_RecordAnswer(benchmark::State& state) {
    TemporaryFolder folder;
    const std::vector<drill::CardKey> pool = everyMeaningCard();
    progress::ProgressStore store(folder.path() / "progress.sqlite3");
    std::size_t next = 0;
    bool saved = true;
    drill::SessionRecord session;
    for (auto _ : state) {
        const drill::CardKey& card = pool[next++ % pool.size()];
        if (next % 20 == 1) session = {{card.set, card.mode, 0}, std::nullopt};
        const bool correct = next % 4 != 0;
        saved = store.recordAnswer({card, "ответ", correct, kNow, drill::afterAnswer(std::nullopt, correct, kNow)},
                                   session) == asking::Keeping::Saved &&
                saved;
    }
    if (!saved) state.SkipWithError(store.notSavingMessage().c_str());
}
BENCHMARK(BM_RecordAnswer)->Unit(benchmark::kMillisecond)->UseRealTime();

// Another program keeps a write transaction open on the file: each answer
// waits a moment for it and is then kept to be written later.
void BM_AnswerWhileAnotherProgramHoldsTheFile(benchmark::State& state) {
    TemporaryFolder folder;
    const fs::path file = folder.path() / "progress.sqlite3";
    const std::vector<drill::CardKey> pool = everyMeaningCard();
    if (!fillProgressFile(file, {pool.front()})) return state.SkipWithError("the progress file could not be written");
    progress::ProgressStore store(file);
    bool waited = true;
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other-program"));
        other.setDatabaseName(QString::fromStdString(file.string()));
        QSqlQuery hold(other);
        if (!other.open() || !hold.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return state.SkipWithError("the file could not be held");
        drill::SessionRecord session{{asking::SignalSet::General, asking::AskMode::Meaning, 0}, std::nullopt};
        std::size_t next = 0;
        for (auto _ : state) {
            const drill::CardKey& card = pool[next++ % pool.size()];
            waited = store.recordAnswer({card, "ответ", true, kNow, drill::afterAnswer(std::nullopt, true, kNow)},
                                        session) == asking::Keeping::Pending &&
                     waited;
        }
        hold.exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other-program"));
    if (!waited) state.SkipWithError("an answer was not kept waiting");
}
BENCHMARK(BM_AnswerWhileAnotherProgramHoldsTheFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

}  // namespace
