// SPDX-License-Identifier: GPL-3.0-or-later
// How many window events the engine handles per second, and whether handling
// them allocates. The events are a long random walk through the window as a
// learner could take it: keys of the keyboard on view (About and Exit among
// them), now and then a section button, and slide-show ticks while the
// timers run. The walk is made once, before any timing.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

#include "allocation_counter.h"
#include "engine/engine.h"
#include "engine/keyboards.h"

namespace {

using mss::engine::Engine;
using mss::engine::KeyId;
using mss::engine::Section;
using mss::engine::SlideTimer;

struct Event {
    enum class Kind : std::uint8_t { Load, Key, Section, Tick } kind;
    KeyId key{};
    Section section{};
    SlideTimer timer{};
};

void deliver(Engine& e, const Event& event) {
    switch (event.kind) {
        case Event::Kind::Load: e.load(); break;
        case Event::Kind::Key: e.pressKey(event.key); break;
        case Event::Kind::Section: e.chooseSection(event.section); break;
        case Event::Kind::Tick: e.tick(event.timer); break;
    }
}

// Section buttons come about once in 40 events; while the slide show runs,
// one event in five is a tick of one of its timers.
std::vector<Event> randomWalk(std::size_t count, std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    Engine e;
    std::vector<Event> events;
    events.reserve(count);
    events.push_back({Event::Kind::Load});
    e.load();
    while (events.size() < count) {
        Event next{Event::Kind::Key};
        std::array<SlideTimer, mss::engine::kSlideTimers.size()> running{};
        std::size_t runningCount = 0;
        for (SlideTimer t : mss::engine::kSlideTimers)
            if (e.isRunning(t)) running[runningCount++] = t;
        const auto roll = rng() % 40;
        if (roll == 0) {
            next = {Event::Kind::Section, {}, mss::codebook::kSections[rng() % mss::codebook::kSectionCount].section};
        } else if (runningCount > 0 && roll < 9) {
            next = {Event::Kind::Tick, {}, {}, running[rng() % runningCount]};
        } else {
            const auto onView = e.keyboardOnView();
            if (!onView) throw std::logic_error("no keyboard on view");
            const auto keys = mss::engine::keysOf(*onView);
            next = {Event::Kind::Key, keys[rng() % keys.size()].id};
        }
        deliver(e, next);
        events.push_back(next);
    }
    return events;
}

const std::vector<Event>& walk() {
    static const std::vector<Event> events = randomWalk(std::size_t{1} << 20, 1965);
    return events;
}

// The window reads what changed after every event, so the benchmark does too.
void BM_EngineEvents(benchmark::State& state) {
    const std::vector<Event>& events = walk();
    constexpr std::size_t kBatch = 1024;
    Engine engine;
    std::size_t next = 0;
    std::uint64_t seen = 0;
    const std::uint64_t allocationsBefore = mss::bench::allocationCount();
    for (auto _ : state) {
        for (std::size_t k = 0; k < kBatch; ++k) {
            if (next == events.size()) {  // the walk starts over with a new window
                engine = Engine();
                next = 0;
            }
            deliver(engine, events[next++]);
            seen |= engine.takeChanges().bits();
        }
        benchmark::DoNotOptimize(seen);
    }
    const std::uint64_t allocations = mss::bench::allocationCount() - allocationsBefore;
    const auto delivered = static_cast<double>(state.iterations()) * static_cast<double>(kBatch);
    state.SetItemsProcessed(static_cast<std::int64_t>(delivered));
    state.counters["allocs_per_event"] = static_cast<double>(allocations) / delivered;
    state.counters["allocations"] = static_cast<double>(allocations);
}
BENCHMARK(BM_EngineEvents);

}  // namespace
