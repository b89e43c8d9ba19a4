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
#include "signals/engine.h"
#include "signals/keyboards.h"
#include "signals/sections.h"

namespace {

using mss::signals::Element;
using mss::signals::Engine;
using mss::signals::Timer;

struct Event {
    enum class Kind : std::uint8_t { Load, Key, Option, Tick } kind;
    std::uint8_t number;  // command 1..152, option 1..6, timer 0..2
};

int frameOnView(const Engine& e) {
    for (int frame = 1; frame <= 4; ++frame)
        if (e.IsShown(mss::signals::frameElement(frame))) return frame;
    throw std::logic_error("no keyboard on view");
}

void deliver(Engine& e, const Event& event) {
    switch (event.kind) {
        case Event::Kind::Load: e.Form_Load(); break;
        case Event::Kind::Key: e.Command_Click(event.number); break;
        case Event::Kind::Option: e.Option_Click(event.number); break;
        case Event::Kind::Tick: e.Timer_Timer(static_cast<Timer>(event.number)); break;
    }
}

// Section buttons come about once in 40 events; while the slide show runs,
// one event in five is a tick of one of its timers.
std::vector<Event> randomWalk(std::size_t count, std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    Engine e;
    std::vector<Event> events;
    events.reserve(count);
    events.push_back({Event::Kind::Load, 0});
    e.Form_Load();
    while (events.size() < count) {
        Event next{Event::Kind::Key, 0};
        std::array<std::uint8_t, 3> running{};
        std::size_t runningCount = 0;
        for (std::uint8_t t = 0; t < 3; ++t)
            if (e.TimerEnabled(static_cast<Timer>(t))) running[runningCount++] = t;
        const auto roll = rng() % 40;
        if (roll == 0) {
            next = {Event::Kind::Option, static_cast<std::uint8_t>(1 + rng() % mss::signals::kSectionCount)};
        } else if (runningCount > 0 && roll < 9) {
            next = {Event::Kind::Tick, running[rng() % runningCount]};
        } else {
            const auto keys = mss::signals::keysOfFrame(frameOnView(e));
            next = {Event::Kind::Key, static_cast<std::uint8_t>(keys[rng() % keys.size()]->command)};
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
    std::uint32_t seen = 0;
    const std::uint64_t allocationsBefore = mss::bench::allocationCount();
    for (auto _ : state) {
        for (std::size_t k = 0; k < kBatch; ++k) {
            if (next == events.size()) {  // the walk starts over with a new window
                engine = Engine();
                next = 0;
            }
            deliver(engine, events[next++]);
            seen |= engine.takeChanges().bits;
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
