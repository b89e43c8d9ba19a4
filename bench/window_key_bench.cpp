// SPDX-License-Identifier: GPL-3.0-or-later
// How long one key press takes in the real main window, offscreen: the mouse
// press and release on a key of the keyboard on view, the engine's step, the
// widgets it changes, and the painting of everything that changed (the key's
// own down and up looks among it). Each press is timed on its own, so besides
// Google Benchmark's mean the report carries the median and the 99th
// percentile of all presses.
//
// The presses are a random walk as a learner could make it: keys of the
// keyboard on view, and about once in 40 presses a section button, which is
// pressed untimed. The slide show and the glint of the title run as they do
// for the user, so a press that meets one of their ticks pays for it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "forms/shared/face_button.h"
#include "forms/shared/keyboard_frame.h"
#include "forms/main/keyboard_panel.h"
#include "forms/main/main_window.h"
#include "forms/main/section_buttons.h"
#include "window_bench_support.h"

namespace {

using mss::bench::percentile;
using mss::bench::settle;
using mss::forms::MainWindow;
using mss::engine::Section;
using Clock = std::chrono::steady_clock;

// A flag key of the keyboard on view, or nullptr when no keyboard shows.
QPushButton* randomKeyOnView(const MainWindow& window, std::mt19937_64& rng) {
    for (mss::engine::Keyboard keyboard : mss::engine::kKeyboards) {
        if (!window.keyboards().frame(keyboard)->isVisible()) continue;
        const int flag = static_cast<int>(rng() % mss::codebook::kFlagCount);
        return window.keyboards().key(mss::engine::KeyId::flagKey(keyboard, flag));
    }
    return nullptr;
}

QPushButton* sectionButton(const MainWindow& window, std::size_t slot) {
    return window.sections().button(mss::codebook::kSections[slot].section);
}

// The next key to time; now and then a section button first, untimed.
QPushButton* nextKey(MainWindow& window, std::mt19937_64& rng) {
    if (rng() % 40 == 0) {
        QTest::mouseClick(sectionButton(window, rng() % mss::codebook::kSectionCount), Qt::LeftButton);
        settle(&window);
    }
    QPushButton* key = randomKeyOnView(window, rng);
    if (!key) {  // no keyboard on view: back to a section with keys
        QTest::mouseClick(sectionButton(window, rng() % 3), Qt::LeftButton);
        settle(&window);
        key = randomKeyOnView(window, rng);
    }
    return key;
}

// Counts the paint events of all widgets while it is installed.
class PaintCounter : public QObject {
public:
    long long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void BM_WindowKeyPress(benchmark::State& state) {
    MainWindow window(mss::bench::shippedBook(), [](QWidget*, const QString&, const QString&) { return false; });
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the main window was never exposed");
        return;
    }
    settle(&window);
    std::mt19937_64 rng(1965);

    // Warm-up, which also checks that a press is painted: glyph caches and
    // the first showing of each keyboard are not what a press costs.
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    constexpr int kWarmUp = 500;
    for (int i = 0; i < kWarmUp; ++i) {
        QPushButton* key = nextKey(window, rng);
        const long long before = counter.paints;
        QTest::mouseClick(key, Qt::LeftButton);
        settle(&window);
        if (counter.paints == before) {
            qApp->removeEventFilter(&counter);
            state.SkipWithError("a key press painted nothing");
            return;
        }
    }
    qApp->removeEventFilter(&counter);
    const double paintsPerPress = static_cast<double>(counter.paints) / kWarmUp;

    std::vector<double> seconds;
    seconds.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        QPushButton* key = nextKey(window, rng);
        const Clock::time_point start = Clock::now();
        QTest::mouseClick(key, Qt::LeftButton);
        settle(&window);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        seconds.push_back(took.count());
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_ms"] = percentile(seconds, 0.50) * 1e3;
    state.counters["p99_ms"] = percentile(seconds, 0.99) * 1e3;
    state.counters["max_ms"] = seconds.back() * 1e3;
    state.counters["paints_per_press"] = paintsPerPress;
}
BENCHMARK(BM_WindowKeyPress)->UseManualTime()->Iterations(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
