// Long random walks through the window: only events a learner could cause
// (keys of the keyboard on view, About and Exit among them; section buttons;
// ticks of running timers; the window's start-up first, or not at all). After
// every event the state must be one the window can show, the changes reported
// must name everything that changed, and every lookup must agree with a slow
// reading of the signal directory.
//
// 100,000 events per run, 1,000,000 with MSS65_LONG_RUN=1. The walk follows
// MSS65_SEED when it is set, otherwise the clock; a failure prints the seed
// and the events of the walk in the language of mss-scenario.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "reference.h"
#include "signals/engine.h"
#include "signals/keyboards.h"
#include "signals/sections.h"
#include "tools/scenario/scenario.h"

namespace {

using namespace mss::signals;
using mss::codebook::isLetterFlag;
using mss::codebook::kLists;
using mss::codebook::listInfo;
using mss::robustness::codeOf;
using mss::robustness::listOfFirstLetter;
using mss::robustness::scanDirectory;
using mss::scenario::Event;

constexpr std::array<ListId, 3> kGeneralLists{ListId::Combo2_0, ListId::Combo2_1, ListId::Combo2_2};

std::uint64_t seedOfRun() {
    if (const char* text = std::getenv("MSS65_SEED"); text != nullptr && *text != '\0')
        return std::strtoull(text, nullptr, 10);
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

std::size_t eventsOfRun() {
    const char* text = std::getenv("MSS65_LONG_RUN");
    return text != nullptr && std::string(text) == "1" ? 1'000'000 : 100'000;
}

// Everything of the engine's state that the window shows or relies on.
struct Snapshot {
    std::array<int, kPositionCount> flags{};
    std::array<int, kLists.size()> selections{};
    std::array<EditField, kLists.size()> fields{};
    std::array<bool, kElementCount> shown{};
    std::array<bool, kTimerCount> timers{};
    int option = 0;

    static Snapshot of(const Engine& e) {
        Snapshot s;
        for (int p = 0; p < kPositionCount; ++p) s.flags[p] = e.flagAt(static_cast<Position>(p));
        for (const auto& info : kLists) {
            s.selections[index(info.id)] = e.selection(info.id);
            s.fields[index(info.id)] = e.editField(info.id);
        }
        for (int el = 0; el < kElementCount; ++el) s.shown[el] = e.IsShown(static_cast<Element>(el));
        for (int t = 0; t < kTimerCount; ++t) s.timers[t] = e.TimerEnabled(static_cast<Timer>(t));
        s.option = e.selectedOption();
        return s;
    }

    int flag(Position p) const { return flags[index(p)]; }
    int selection(ListId l) const { return selections[index(l)]; }
    EditField field(ListId l) const { return fields[index(l)]; }
    bool isShown(Element e) const { return shown[index(e)]; }
    bool sameList(const Snapshot& other, ListId l) const {
        return selection(l) == other.selection(l) && field(l) == other.field(l);
    }
    int frameOnView() const {  // 0 unless exactly one keyboard is on view
        int frame = 0;
        for (int f = 1; f <= 4; ++f)
            if (isShown(frameElement(f))) frame = frame == 0 ? f : -1;
        return frame < 0 ? 0 : frame;
    }
};

// What the test itself remembers of the walk.
struct Memory {
    int section = 0;  // the last section button pressed, 0 before any
    int ticks = 0;    // slide-show ticks so far, all timers together
};

std::string eventLine(const Event& e) {
    switch (e.kind) {
        case Event::Kind::Load: return "load";
        case Event::Kind::Key: return "click Command" + std::to_string(e.number);
        case Event::Kind::Option: return "click Option" + std::to_string(e.number);
        case Event::Kind::Tick: return "tick Timer" + std::to_string(e.number);
    }
    return "?";
}

using Problems = std::vector<std::string>;

void expect(Problems& problems, bool holds, const std::string& what) {
    if (!holds) problems.push_back(what);
}

// What must hold after any event.
void checkState(const Snapshot& s, const Memory& m, Problems& problems) {
    const int frame = s.frameOnView();
    expect(problems, frame != 0, "not exactly one keyboard frame is on view");
    for (int p = 0; p < kPositionCount; ++p)
        expect(problems, s.flags[p] >= -1 && s.flags[p] < mss::codebook::kFlagCount,
               "Picture" + std::to_string(p + 1) + " holds " + std::to_string(s.flags[p]) + ", which is no flag");
    for (const auto& info : kLists) {
        const int sel = s.selection(info.id);
        const std::string name(info.name);
        switch (s.field(info.id)) {
            case EditField::Heading:
            case EditField::Empty:
                expect(problems, sel == kNoEntry, name + " shows no row but has row " + std::to_string(sel) + " selected");
                break;
            case EditField::Row:
                expect(problems, sel >= 0 && sel < info.rowCount,
                       name + " shows row " + std::to_string(sel) + " outside its " + std::to_string(info.rowCount));
                break;
        }
    }
    if (frame == 2) {
        expect(problems, s.flag(Position::Picture2) == kNoFlag && s.flag(Position::Picture3) == kNoFlag,
               "the first-flag keyboard is on view with a second or third flag hoisted");
        for (ListId l : kGeneralLists)
            expect(problems, s.selection(l) == kNoEntry,
                   "the first-flag keyboard is on view with a row of " + std::string(listInfo(l).name) + " selected");
    }
    for (int t = 0; t < kTimerCount; ++t)
        expect(problems, s.timers[t] == (m.section == 0),
               "Timer" + std::to_string(t + 1) + (s.timers[t] ? " runs after a section was chosen"
                                                              : " stopped before any section was chosen"));
    expect(problems, s.option == m.section, "the chosen section is " + std::to_string(s.option) + ", not " +
                                                std::to_string(m.section));
    expect(problems, s.isShown(Element::Picture5) == (m.section == 3),
           s.isShown(Element::Picture5) ? "Picture5 is shown outside the medical section"
                                        : "Picture5 is hidden in the medical section");
    expect(problems, s.isShown(Element::Picture1) != s.isShown(Element::Picture5),
           "Picture1 and Picture5 are both shown or both hidden");
}

// Every part of the state that differs must be named in the changes, and
// nothing but the parts the window knows.
void checkChanges(const Snapshot& before, const Snapshot& after, Changes changes, Problems& problems) {
    constexpr std::uint32_t kKnown = Changes::kOption | ((Changes::timerBit(Timer::Timer3) << 1) - 1);
    expect(problems, (changes.bits & ~kKnown) == 0, "the changes carry unknown bits");
    for (int p = 0; p < kPositionCount; ++p)
        if (before.flags[p] != after.flags[p])
            expect(problems, changes.has(Changes::positionBit(static_cast<Position>(p))),
                   "Picture" + std::to_string(p + 1) + " changed unreported");
    for (const auto& info : kLists)
        if (!before.sameList(after, info.id))
            expect(problems, changes.has(Changes::listBit(info.id)), std::string(info.name) + " changed unreported");
    for (int el = 0; el < kElementCount; ++el)
        if (before.shown[el] != after.shown[el])
            expect(problems, changes.has(Changes::visibilityBit(static_cast<Element>(el))),
                   "the visibility of " + std::string(kElementNames[el]) + " changed unreported");
    for (int t = 0; t < kTimerCount; ++t)
        if (before.timers[t] != after.timers[t])
            expect(problems, changes.has(Changes::timerBit(static_cast<Timer>(t))),
                   "Timer" + std::to_string(t + 1) + " changed unreported");
    if (before.option != after.option)
        expect(problems, changes.has(Changes::kOption), "the section changed unreported");
}

// After a key that looks a signal up: the list of the signal the directory
// gives for the hoist selects its row.
void expectLookup(const std::string& code, const Snapshot& after, Problems& problems) {
    if (code.empty()) return;
    if (const auto target = scanDirectory(code))
        expect(problems, after.selection(target->list) == target->entry,
               code + " selects row " + std::to_string(target->entry) + " of " +
                   std::string(listInfo(target->list).name) + ", the engine shows " +
                   std::to_string(after.selection(target->list)));
}

void checkKey(const KeyDefinition& key, const Snapshot& b, const Snapshot& a, Changes changes,
              Problems& problems) {
    if (key.role != KeyRole::Flag) {  // About and Exit are the window's business
        expect(problems, !changes.any(), "an About or Exit key changed the engine");
        return;
    }
    const int flag = key.flag;
    const bool letter = isLetterFlag(flag);
    // The lists a keyboard may change; the others keep their rows.
    std::array<bool, kLists.size()> mayChange{};
    int expectedFrame = key.frame;
    switch (key.frame) {
        case 1: {
            expect(problems, a.flag(Position::Picture1) == flag, "a single-letter key did not hoist its flag");
            mayChange[index(ListId::Combo1)] = true;
            const auto target = letter ? scanDirectory(codeOf({flag})) : std::nullopt;
            expect(problems, a.selection(ListId::Combo1) == (target ? target->entry : kNoEntry),
                   "Combo1 does not show the signal of " + codeOf({flag}));
            break;
        }
        case 2:
            expect(problems, a.flag(Position::Picture1) == flag, "a first-flag key did not hoist its flag");
            if (letter) {
                expectedFrame = 3;
                if (const auto own = listOfFirstLetter(flag))
                    for (ListId l : kGeneralLists)
                        expect(problems, a.isShown(elementOfList(l)) == (l == *own),
                               "after the first flag " + codeOf({flag}) + " the general list on view is not the one "
                               "holding its signals");
            }
            break;
        case 3:
            for (ListId l : kGeneralLists) mayChange[index(l)] = true;
            if (letter) {
                expect(problems, a.flag(Position::Picture2) == flag && a.flag(Position::Picture3) == kNoFlag,
                       "a second-letter key did not hoist its flag under a cleared third place");
                if (b.isShown(Element::Picture5)) expectedFrame = 4;
                const int first = a.flag(Position::Picture1);
                const std::string code = isLetterFlag(first) ? codeOf({first, flag}) : std::string();
                expectLookup(code, a, problems);
                const auto target = code.empty() ? std::nullopt : scanDirectory(code);
                // A row may be kept or cleared, but only the signal's own row is ever newly selected.
                for (ListId l : kGeneralLists)
                    if (!(target && target->list == l))
                        expect(problems, a.selection(l) == b.selection(l) || a.selection(l) == kNoEntry,
                               std::string(listInfo(l).name) + " selected a row no signal of the hoist names");
            } else {
                expect(problems, a.flag(Position::Picture3) == flag, "a complement key did not hoist its pennant");
                const int first = a.flag(Position::Picture1);
                const int second = a.flag(Position::Picture2);
                const std::string code =
                    isLetterFlag(first) && isLetterFlag(second) ? codeOf({first, second, flag}) : std::string();
                const auto target = code.empty() ? std::nullopt : scanDirectory(code);
                for (ListId l : kGeneralLists)
                    expect(problems,
                           a.selection(l) == (target && target->list == l ? target->entry : kNoEntry),
                           std::string(listInfo(l).name) + " does not show exactly the signal " +
                               (code.empty() ? std::string("(none)") : code));
            }
            break;
        case 4: {
            expect(problems, a.flag(Position::Picture3) == flag, "a third-flag key did not hoist its flag");
            mayChange[index(ListId::Combo3)] = true;
            const int second = a.flag(Position::Picture2);
            const auto target =
                letter && isLetterFlag(second) ? scanDirectory(codeOf({'M' - 'A', second, flag})) : std::nullopt;
            expect(problems, a.selection(ListId::Combo3) == (target ? target->entry : kNoEntry),
                   "Combo3 does not show the medical signal of the hoist");
            break;
        }
    }
    expect(problems, a.frameOnView() == expectedFrame,
           "after a key of frame " + std::to_string(key.frame) + " frame " + std::to_string(a.frameOnView()) +
               " is on view instead of " + std::to_string(expectedFrame));
    for (const auto& info : kLists)
        if (!mayChange[index(info.id)])
            expect(problems, a.sameList(b, info.id),
                   "a key of frame " + std::to_string(key.frame) + " changed " + std::string(info.name));
}

// What each section button brings: its keyboard, its list empty and on view,
// the hoist cleared (the medical section keeps the first flag, hidden).
void checkSection(int option, const Snapshot& b, const Snapshot& a, Problems& problems) {
    struct SectionView { int frame; ListId list; bool keepsFirstFlag; };
    constexpr std::array<SectionView, kSectionCount> kViews{{
        {1, ListId::Combo1, false}, {2, ListId::Combo2_0, false}, {3, ListId::Combo3, true},
        {1, ListId::Combo4, false}, {1, ListId::Combo4, false}, {1, ListId::Combo4, false},
    }};
    const SectionView& view = kViews[static_cast<std::size_t>(option - 1)];
    const std::string which = "section " + std::to_string(option);
    expect(problems, a.frameOnView() == view.frame, which + " did not bring frame " + std::to_string(view.frame));
    expect(problems, a.isShown(elementOfList(view.list)) && a.field(view.list) == EditField::Empty,
           which + " did not show " + std::string(listInfo(view.list).name) + " empty");
    expect(problems, a.flag(Position::Picture1) == (view.keepsFirstFlag ? b.flag(Position::Picture1) : kNoFlag) &&
                         a.flag(Position::Picture2) == kNoFlag && a.flag(Position::Picture3) == kNoFlag,
           which + " did not clear the hoist");
}

// Picks the next event a learner could cause in the state of `e`.
class Learner {
public:
    explicit Learner(std::uint64_t seed) : rng_(seed) {}

    // A new window: how long it stays open and how often sections change.
    std::size_t beginWindow() {
        sectionEvery_ = std::array<int, 3>{4, 30, 300}[pick(3)];
        return 1 + pick(4000);
    }
    bool startsWithLoad() { return pick(4) != 0; }

    Event next(const Engine& e, int frame) {
        if (pick(static_cast<std::size_t>(sectionEvery_)) == 0)
            return {Event::Kind::Option, 1 + static_cast<int>(pick(kSectionCount))};
        std::array<int, kTimerCount> running{};
        std::size_t count = 0;
        for (int t = 0; t < kTimerCount; ++t)
            if (e.TimerEnabled(static_cast<Timer>(t))) running[count++] = t + 1;
        if (count > 0 && pick(4) == 0) return {Event::Kind::Tick, running[pick(count)]};
        const auto keys = keysOfFrame(frame);
        return {Event::Kind::Key, keys[pick(keys.size())]->command};
    }

private:
    std::size_t pick(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }

    std::mt19937_64 rng_;
    int sectionEvery_ = 30;
};

TEST(RandomEvents, EveryStateReachedIsOneTheWindowCanShow) {
    const std::uint64_t seed = seedOfRun();
    SCOPED_TRACE("MSS65_SEED=" + std::to_string(seed));
    const std::size_t total = eventsOfRun();
    Learner learner(seed);
    std::size_t delivered = 0;
    for (int window = 1; delivered < total; ++window) {
        Engine engine;
        Memory memory;
        std::vector<Event> history;
        const std::size_t length = learner.beginWindow();
        for (std::size_t n = 0; n < length && delivered < total; ++n, ++delivered) {
            const Snapshot before = Snapshot::of(engine);
            const int frame = before.frameOnView();
            const Event event = n == 0 && learner.startsWithLoad() ? Event{Event::Kind::Load, 0}
                                                                   : learner.next(engine, frame);
            history.push_back(event);
            Problems problems;
            if (event.kind == Event::Kind::Key)
                expect(problems, engine.KeyOnView(event.number), "a key of the frame on view is not deliverable");
            mss::scenario::deliver(engine, event);
            const Changes changes = engine.takeChanges();
            const Snapshot after = Snapshot::of(engine);

            switch (event.kind) {
                case Event::Kind::Load: break;
                case Event::Kind::Option:
                    memory.section = event.number;
                    checkSection(event.number, before, after, problems);
                    break;
                case Event::Kind::Tick: {
                    ++memory.ticks;
                    const auto place = static_cast<Position>(event.number - 1);
                    expect(problems, after.flag(place) == memory.ticks % mss::codebook::kLetterCount,
                           "the slide show did not hoist the next letter");
                    break;
                }
                case Event::Kind::Key:
                    checkKey(*keyDefinition(event.number), before, after, changes, problems);
                    break;
            }
            checkState(after, memory, problems);
            checkChanges(before, after, changes, problems);

            if (!problems.empty()) {
                std::string report = "window " + std::to_string(window) + ", event " + std::to_string(n + 1) +
                                     " (" + eventLine(event) + "):\n";
                for (const auto& p : problems) report += "  - " + p + "\n";
                report += "state: " + mss::scenario::describe(engine) + "\n";
                constexpr std::size_t kShown = 300;
                const std::size_t from = history.size() > kShown ? history.size() - kShown : 0;
                report += from > 0 ? "the last " + std::to_string(kShown) + " events of the window:\n"
                                   : "the events of the window:\n";
                for (std::size_t i = from; i < history.size(); ++i) report += eventLine(history[i]) + "\n";
                FAIL() << report;
            }
        }
    }
}

}  // namespace
