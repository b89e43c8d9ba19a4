// SPDX-License-Identifier: GPL-3.0-or-later
// From Ctrl+F to the search window showing the results for the first letter
// typed, offscreen: building the search index (its first use in the main
// window), making and showing the window, searching for the letter and
// painting what the window shows. Every round opens a fresh main window, so
// every round is a first use; the very first round also opens the stemmer
// library, which the rest find open, and is reported on its own.
//
// The letters are drawn from a fixed seed among those words of the book
// begin with.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <vector>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"
#include "forms/main/main_window.h"
#include "forms/search/search_results_model.h"
#include "forms/search/search_window.h"
#include "forms/shared/application_setup.h"
#include "forms/wiring/secondary_windows.h"

namespace {

using mss::forms::MainWindow;
using mss::forms::SearchWindow;
using Clock = std::chrono::steady_clock;

constexpr unsigned kSeed = 1965;

const mss::codebook::CodeBook& book() {
    static const auto loaded = mss::codebook::parseCodeBook(mss::data::codeBookBytes());
    return loaded.book;
}

// Lets the window handle what was posted, then paints every region that is
// still marked dirty, as the next update request of the window system would.
void settle(QWidget* window) {
    QApplication::processEvents();
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &request);
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
    return values[std::min(rank, values.size() - 1)];
}

void BM_CtrlFToFirstLetter(benchmark::State& state) {
    const QString letters = QStringLiteral("абвгдзиклмнопрстуфхчшя");
    std::mt19937 rng(kSeed);
    std::vector<double> ms;
    double first = 0;
    int listed = 0;
    int rounds = 0;
    for (auto _ : state) {
        MainWindow window(book());
        mss::forms::offerSearch(window, book());
        window.load();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("the main window was never exposed");
            return;
        }
        settle(&window);
        const QString letter = letters.at(static_cast<qsizetype>(rng() % static_cast<unsigned>(letters.size())));

        const Clock::time_point start = Clock::now();
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        SearchWindow* search = SearchWindow::current();
        if (search == nullptr) {
            state.SkipWithError("Ctrl+F opened no search window");
            return;
        }
        settle(search);
        QTest::sendKeyEvent(QTest::Click, search->field(), Qt::Key_unknown, letter, Qt::NoModifier);
        settle(search);
        const std::chrono::duration<double> took = Clock::now() - start;

        state.SetIterationTime(took.count());
        if (rounds++ == 0) {
            first = took.count() * 1e3;
        } else {
            ms.push_back(took.count() * 1e3);
        }
        listed += search->model().rowCount();
        delete search;
    }
    state.counters["first_ms"] = first;
    state.counters["median_ms"] = percentile(ms, 0.50);
    state.counters["p90_ms"] = percentile(ms, 0.90);
    state.counters["max_ms"] = *std::max_element(ms.begin(), ms.end());
    state.counters["rows_listed"] = static_cast<double>(listed) / rounds;
    state.counters["seed"] = kSeed;
}
BENCHMARK(BM_CtrlFToFirstLetter)->UseManualTime()->Iterations(41)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    // Offscreen unless told otherwise, so the figure does not depend on a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mss::forms::prepareApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
