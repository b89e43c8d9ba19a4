// SPDX-License-Identifier: GPL-3.0-or-later
// The search window, offscreen.
//
// From Ctrl+F to the window showing the whole book (nothing typed yet), and
// to the results for the first letter typed: building the search index (its
// first use in the main window), making and showing the window, listing the
// book, searching for the letter and painting what the window shows. Every
// round opens a fresh main window, so every round is a first use; the very
// first round of the process also opens the stemmer library, which the rest
// find open, and is reported on its own. The letters are drawn from a fixed
// seed among those words of the book begin with.
//
// Scrolling through the whole book, 1,899 rows: a frame is one turn of the
// mouse wheel (or one page, as dragging the scroll bar's thumb gives)
// handled and painted, from the top of the list to its end. Each round opens
// a fresh search window, whose small flags are scaled anew as they come into
// view; the frame times of every round are reported together.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "forms/main/main_window.h"
#include "forms/search/search_results_model.h"
#include "forms/search/search_window.h"
#include "forms/wiring/secondary_windows.h"
#include "window_bench_support.h"

namespace {

using mss::bench::percentile;
using mss::bench::settle;
using mss::forms::MainWindow;
using mss::forms::SearchWindow;
using Clock = std::chrono::steady_clock;

constexpr unsigned kSeed = 1965;

// Shows a fresh main window that offers the search; false, and the
// benchmark marked, when it never comes on screen.
bool showWithSearch(MainWindow& window, benchmark::State& state) {
    mss::forms::offerSearch(window, mss::bench::shippedBook());
    window.load();
    window.show();
    if (QTest::qWaitForWindowExposed(&window)) return true;
    state.SkipWithError("the main window was never exposed");
    return false;
}

// Ctrl+F on a fresh main window, to the search window painted with the
// whole book, then with the results for `letter` unless it is empty.
void ctrlFRounds(benchmark::State& state, bool typeALetter) {
    const QString letters = QStringLiteral("абвгдзиклмнопрстуфхчшя");
    std::mt19937 rng(kSeed);
    std::vector<double> ms;
    double first = 0;
    int listed = 0;
    int rounds = 0;
    for (auto _ : state) {
        MainWindow window(mss::bench::shippedBook());
        if (!showWithSearch(window, state)) return;
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
        if (typeALetter) {
            QTest::sendKeyEvent(QTest::Click, search->field(), Qt::Key_unknown, letter, Qt::NoModifier);
            settle(search);
        }
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

void BM_CtrlFToFirstLetter(benchmark::State& state) { ctrlFRounds(state, true); }
BENCHMARK(BM_CtrlFToFirstLetter)->UseManualTime()->Iterations(41)->Unit(benchmark::kMillisecond);

void BM_CtrlFToWholeBook(benchmark::State& state) { ctrlFRounds(state, false); }
BENCHMARK(BM_CtrlFToWholeBook)->UseManualTime()->Iterations(41)->Unit(benchmark::kMillisecond);

// How the list is moved from one frame to the next.
enum class Scrolling { Wheel, Pages };

// Scrolls a fresh search window's whole book from the top to the end, frame
// by frame, round after round; the times of every frame of every round are
// reported together.
void scrollRounds(benchmark::State& state, Scrolling scrolling) {
    std::vector<double> frames;
    int rowsInView = 0;
    for (auto _ : state) {
        MainWindow window(mss::bench::shippedBook());
        if (!showWithSearch(window, state)) return;
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        SearchWindow* search = SearchWindow::current();
        if (search == nullptr || !QTest::qWaitForWindowExposed(search)) {
            state.SkipWithError("Ctrl+F showed no search window");
            return;
        }
        // As tall as it opens on a screen with room for it.
        search->resize(search->width(), 600);
        settle(search);
        QListView* list = search->results();
        QWidget* viewport = list->viewport();
        QScrollBar* bar = list->verticalScrollBar();
        if (search->model().rowCount() != 1899 || bar->maximum() <= 0) {
            state.SkipWithError("the search window does not list the whole book");
            return;
        }
        rowsInView = viewport->height() / list->visualRect(search->model().index(0)).height();

        const Clock::time_point start = Clock::now();
        while (bar->value() < bar->maximum()) {
            const Clock::time_point frame = Clock::now();
            if (scrolling == Scrolling::Wheel) {
                const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
                QWheelEvent turn(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -QWheelEvent::DefaultDeltasPerStep),
                                 Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(viewport, &turn);
            } else {
                bar->setValue(bar->value() + bar->pageStep());
            }
            settle(search);
            frames.push_back(std::chrono::duration<double, std::milli>(Clock::now() - frame).count());
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        delete search;
    }
    state.counters["frames"] = static_cast<double>(frames.size());
    state.counters["rows_in_view"] = rowsInView;
    state.counters["median_ms"] = percentile(frames, 0.50);
    state.counters["p99_ms"] = percentile(frames, 0.99);
    state.counters["max_ms"] = *std::max_element(frames.begin(), frames.end());
    state.counters["over_16ms"] =
        static_cast<double>(std::count_if(frames.begin(), frames.end(), [](double ms) { return ms > 16; }));
}

void BM_ScrollWholeBookByWheel(benchmark::State& state) { scrollRounds(state, Scrolling::Wheel); }
BENCHMARK(BM_ScrollWholeBookByWheel)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ScrollWholeBookByPages(benchmark::State& state) { scrollRounds(state, Scrolling::Pages); }
BENCHMARK(BM_ScrollWholeBookByPages)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
