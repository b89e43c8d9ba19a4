// SPDX-License-Identifier: GPL-3.0-or-later
// Long random walks through the window: only events a learner could cause
// (keys of the keyboard on view, About and Exit among them; section buttons;
// ticks of running timers; the window's start-up first, or not at all). After
// every event the state must be one the window can show, the changes reported
// must name everything that changed, and every lookup must agree with a slow
// reading of the signal directory.
//
// 100,000 events per run from a fixed seed; MSS65_SEED=N replays another
// walk, and MSS65_LONG_RUN=1 walks 1,000,000 events from a fresh seed. A
// failure prints the seed and the events of the walk in the language of
// mss-scenario.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "codebook/signal_directory.h"
#include "engine/engine.h"
#include "engine/keyboards.h"
#include "engine/window_names.h"
#include "reference.h"
#include "support/scenario.h"

namespace {

using namespace mss::engine;
using mss::codebook::isLetterFlag;
using mss::codebook::kCodeLists;
using mss::codebook::kGeneralLists;
using mss::codebook::infoOf;
using mss::robustness::codeOf;
using mss::robustness::listOfFirstLetter;
using mss::robustness::scanDirectory;
using mss::scenario::Event;
using P = HoistPosition;

bool longRun() {
    const char* text = std::getenv("MSS65_LONG_RUN");
    return text != nullptr && std::string(text) == "1";
}

std::uint64_t seedOfRun() {
    if (const char* text = std::getenv("MSS65_SEED"); text != nullptr && *text != '\0')
        return std::strtoull(text, nullptr, 10);
    if (longRun()) return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    return 20261210;
}

std::size_t eventsOfRun() { return longRun() ? 1'000'000 : 100'000; }

std::string nameOf(CodeList l) { return std::string(infoOf(l).fileName); }

// Everything of the engine's state that the window shows or relies on.
struct Snapshot {
    std::array<int, kHoistPositions.size()> flags{};
    std::array<int, kCodeLists.size()> selections{};
    std::array<EditField, kCodeLists.size()> fields{};
    std::array<bool, kElementCount> shown{};
    std::array<bool, kSlideTimers.size()> timers{};
    std::optional<Section> section;

    static Snapshot of(const Engine& e) {
        Snapshot s;
        for (P p : kHoistPositions) s.flags[slotOf(p)] = e.flagAt(p);
        for (const auto& info : kCodeLists) {
            s.selections[slotOf(info.list)] = e.selection(info.list);
            s.fields[slotOf(info.list)] = e.editField(info.list);
        }
        for (std::size_t el = 0; el < kElementCount; ++el) s.shown[el] = e.isShown(static_cast<Element>(el));
        for (SlideTimer t : kSlideTimers) s.timers[slotOf(t)] = e.isRunning(t);
        s.section = e.chosenSection();
        return s;
    }

    int flag(P p) const { return flags[slotOf(p)]; }
    int selection(CodeList l) const { return selections[slotOf(l)]; }
    EditField field(CodeList l) const { return fields[slotOf(l)]; }
    bool isShown(Element e) const { return shown[slotOf(e)]; }
    bool sameList(const Snapshot& other, CodeList l) const {
        return selection(l) == other.selection(l) && field(l) == other.field(l);
    }
    // The keyboard on view; nothing unless exactly one is.
    std::optional<Keyboard> keyboardOnView() const {
        std::optional<Keyboard> onView;
        for (Keyboard k : kKeyboards) {
            if (!isShown(elementOf(k))) continue;
            if (onView) return std::nullopt;
            onView = k;
        }
        return onView;
    }
};

std::string keyboardName(std::optional<Keyboard> k) { return k ? std::string(nameOf(*k)) : "none"; }
std::string sectionName(std::optional<Section> s) { return s ? "Option" + std::to_string(optionNumber(*s)) : "none"; }

// What the test itself remembers of the walk.
struct Memory {
    std::optional<Section> section;  // the last section chosen
    int ticks = 0;                   // slide-show ticks so far, all timers together
};

using Problems = std::vector<std::string>;

void expect(Problems& problems, bool holds, const std::string& what) {
    if (!holds) problems.push_back(what);
}

// What must hold after any event.
void checkState(const Snapshot& s, const Memory& m, Problems& problems) {
    const auto keyboard = s.keyboardOnView();
    expect(problems, keyboard.has_value(), "not exactly one keyboard is on view");
    for (P p : kHoistPositions)
        expect(problems, s.flag(p) >= -1 && s.flag(p) < mss::codebook::kFlagCount,
               std::string(nameOf(p)) + " holds " + std::to_string(s.flag(p)) + ", which is no flag");
    for (const auto& info : kCodeLists) {
        const int sel = s.selection(info.list);
        const std::string name(info.fileName);
        switch (s.field(info.list)) {
            case EditField::Heading:
            case EditField::Empty:
                expect(problems, sel == kNoRow, name + " shows no row but has row " + std::to_string(sel) + " selected");
                break;
            case EditField::Row:
                expect(problems, sel >= 0 && sel < info.rowCount,
                       name + " shows row " + std::to_string(sel) + " outside its " + std::to_string(info.rowCount));
                break;
        }
    }
    if (keyboard == Keyboard::FirstFlag) {
        expect(problems, s.flag(P::Second) == kNoFlag && s.flag(P::Third) == kNoFlag,
               "the first-flag keyboard is on view with a second or third flag hoisted");
        for (CodeList l : kGeneralLists)
            expect(problems, s.selection(l) == kNoRow,
                   "the first-flag keyboard is on view with a row of " + nameOf(l) + " selected");
    }
    for (SlideTimer t : kSlideTimers)
        expect(problems, s.timers[slotOf(t)] == !m.section.has_value(),
               "Timer" + std::to_string(timerNumber(t)) +
                   (s.timers[slotOf(t)] ? " runs after a section was chosen" : " stopped before any section was chosen"));
    expect(problems, s.section == m.section,
           "the chosen section is " + sectionName(s.section) + ", not " + sectionName(m.section));
    expect(problems, s.isShown(Element::MedicalFlagM) == (m.section == Section::Medical),
           s.isShown(Element::MedicalFlagM) ? "the medical M is shown outside the medical section"
                                            : "the medical M is hidden in the medical section");
    expect(problems, s.isShown(Element::FirstFlagPosition) != s.isShown(Element::MedicalFlagM),
           "the first position and the medical M are both shown or both hidden");
}

// Every part of the state that differs must be named in the changes, and
// nothing but the parts the window knows.
void checkChanges(const Snapshot& before, const Snapshot& after, Changes changes, Problems& problems) {
    expect(problems, (changes.bits() & ~Changes::kAll) == 0, "the changes carry unknown bits");
    for (P p : kHoistPositions)
        if (before.flag(p) != after.flag(p))
            expect(problems, changes.has(Changes::of(p)), std::string(nameOf(p)) + " changed unreported");
    for (const auto& info : kCodeLists)
        if (!before.sameList(after, info.list))
            expect(problems, changes.has(Changes::of(info.list)), nameOf(info.list) + " changed unreported");
    for (std::size_t el = 0; el < kElementCount; ++el)
        if (before.shown[el] != after.shown[el])
            expect(problems, changes.has(Changes::of(static_cast<Element>(el))),
                   "the visibility of " + std::string(nameOf(static_cast<Element>(el))) + " changed unreported");
    for (SlideTimer t : kSlideTimers)
        if (before.timers[slotOf(t)] != after.timers[slotOf(t)])
            expect(problems, changes.has(Changes::of(t)),
                   "Timer" + std::to_string(timerNumber(t)) + " changed unreported");
    if (before.section != after.section)
        expect(problems, changes.has(Changes::kSection), "the section changed unreported");
}

// After a key that looks a signal up: the list of the signal the directory
// gives for the hoist selects its row.
void expectLookup(const std::string& code, const Snapshot& after, Problems& problems) {
    if (code.empty()) return;
    if (const auto target = scanDirectory(code))
        expect(problems, after.selection(target->list) == target->row,
               code + " selects row " + std::to_string(target->row) + " of " + nameOf(target->list) +
                   ", the engine shows " + std::to_string(after.selection(target->list)));
}

void checkKey(KeyId key, const Snapshot& b, const Snapshot& a, Changes changes, Problems& problems) {
    if (key.role != KeyRole::Flag) {  // About and Exit are the window's business
        expect(problems, !changes.any(), "an About or Exit key changed the engine");
        return;
    }
    const int flag = key.flag;
    const bool letter = isLetterFlag(flag);
    // The lists a keyboard may change; the others keep their rows.
    std::array<bool, kCodeLists.size()> mayChange{};
    Keyboard expectedKeyboard = key.keyboard;
    switch (key.keyboard) {
        case Keyboard::SingleLetter: {
            expect(problems, a.flag(P::First) == flag, "a single-letter key did not hoist its flag");
            mayChange[slotOf(CodeList::SingleLetter)] = true;
            const auto target = letter ? scanDirectory(codeOf({flag})) : std::nullopt;
            expect(problems, a.selection(CodeList::SingleLetter) == (target ? target->row : kNoRow),
                   "the single-letter list does not show the signal of " + codeOf({flag}));
            break;
        }
        case Keyboard::FirstFlag:
            expect(problems, a.flag(P::First) == flag, "a first-flag key did not hoist its flag");
            if (letter) {
                expectedKeyboard = Keyboard::SecondLetter;
                if (const auto own = listOfFirstLetter(flag))
                    for (CodeList l : kGeneralLists)
                        expect(problems, a.isShown(elementOf(l)) == (l == *own),
                               "after the first flag " + codeOf({flag}) + " the general list on view is not the one "
                               "holding its signals");
            }
            break;
        case Keyboard::SecondLetter:
            for (CodeList l : kGeneralLists) mayChange[slotOf(l)] = true;
            if (letter) {
                expect(problems, a.flag(P::Second) == flag && a.flag(P::Third) == kNoFlag,
                       "a second-letter key did not hoist its flag under a cleared third place");
                if (b.isShown(Element::MedicalFlagM)) expectedKeyboard = Keyboard::ThirdLetter;
                const int first = a.flag(P::First);
                const std::string code = isLetterFlag(first) ? codeOf({first, flag}) : std::string();
                expectLookup(code, a, problems);
                const auto target = code.empty() ? std::nullopt : scanDirectory(code);
                // A row may be kept or cleared, but only the signal's own row is ever newly selected.
                for (CodeList l : kGeneralLists)
                    if (!(target && target->list == l))
                        expect(problems, a.selection(l) == b.selection(l) || a.selection(l) == kNoRow,
                               nameOf(l) + " selected a row no signal of the hoist names");
            } else {
                expect(problems, a.flag(P::Third) == flag, "a complement key did not hoist its pennant");
                const int first = a.flag(P::First);
                const int second = a.flag(P::Second);
                const std::string code =
                    isLetterFlag(first) && isLetterFlag(second) ? codeOf({first, second, flag}) : std::string();
                const auto target = code.empty() ? std::nullopt : scanDirectory(code);
                for (CodeList l : kGeneralLists)
                    expect(problems, a.selection(l) == (target && target->list == l ? target->row : kNoRow),
                           nameOf(l) + " does not show exactly the signal " +
                               (code.empty() ? std::string("(none)") : code));
            }
            break;
        case Keyboard::ThirdLetter: {
            expect(problems, a.flag(P::Third) == flag, "a third-flag key did not hoist its flag");
            mayChange[slotOf(CodeList::Medical)] = true;
            const int second = a.flag(P::Second);
            const auto target =
                letter && isLetterFlag(second) ? scanDirectory(codeOf({'M' - 'A', second, flag})) : std::nullopt;
            expect(problems, a.selection(CodeList::Medical) == (target ? target->row : kNoRow),
                   "the medical list does not show the medical signal of the hoist");
            // In a table of complements the key's digit names the row, or
            // nothing (a letter, or 0 of table I).
            const auto* table = a.section ? mss::codebook::complementTableOf(*a.section) : nullptr;
            if (table == nullptr) break;
            mayChange[slotOf(CodeList::Complements)] = true;
            const std::string row = std::string(table->roman) + '-' + codeOf({flag});
            const auto tableTarget = letter ? std::nullopt : scanDirectory(row);
            expect(problems, a.selection(CodeList::Complements) == (tableTarget ? tableTarget->row : kNoRow),
                   "the list of complements does not show exactly the row " + row);
            break;
        }
    }
    expect(problems, a.keyboardOnView() == expectedKeyboard,
           "after a key of " + keyboardName(key.keyboard) + " " + keyboardName(a.keyboardOnView()) +
               " is on view instead of " + keyboardName(expectedKeyboard));
    for (const auto& info : kCodeLists)
        if (!mayChange[slotOf(info.list)])
            expect(problems, a.sameList(b, info.list),
                   "a key of " + keyboardName(key.keyboard) + " changed " + nameOf(info.list));
}

// What each section brings: its keyboard, its list empty and on view, the
// hoist cleared (the medical section keeps the first flag, hidden).
void checkSection(Section section, const Snapshot& b, const Snapshot& a, Problems& problems) {
    struct SectionView { Keyboard keyboard; CodeList list; bool keepsFirstFlag; };
    constexpr std::array<SectionView, mss::codebook::kSectionCount> kViews{{
        {Keyboard::SingleLetter, CodeList::SingleLetter, false},
        {Keyboard::FirstFlag, CodeList::GeneralAToJ, false},
        {Keyboard::SecondLetter, CodeList::Medical, true},
        {Keyboard::ThirdLetter, CodeList::Complements, false},
        {Keyboard::ThirdLetter, CodeList::Complements, false},
        {Keyboard::ThirdLetter, CodeList::Complements, false},
    }};
    const SectionView& view = kViews[slotOf(section)];
    const std::string which = sectionName(section);
    expect(problems, a.keyboardOnView() == view.keyboard, which + " did not bring " + keyboardName(view.keyboard));
    expect(problems, a.isShown(elementOf(view.list)) && a.field(view.list) == EditField::Empty,
           which + " did not show " + nameOf(view.list) + " empty");
    expect(problems, a.flag(P::First) == (view.keepsFirstFlag ? b.flag(P::First) : kNoFlag) &&
                         a.flag(P::Second) == kNoFlag && a.flag(P::Third) == kNoFlag,
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

    Event next(const Engine& e, Keyboard onView) {
        if (pick(static_cast<std::size_t>(sectionEvery_)) == 0)
            return {Event::Kind::Section, {}, mss::codebook::kSections[pick(mss::codebook::kSectionCount)].section};
        std::array<SlideTimer, kSlideTimers.size()> running{};
        std::size_t count = 0;
        for (SlideTimer t : kSlideTimers)
            if (e.isRunning(t)) running[count++] = t;
        if (count > 0 && pick(4) == 0) return {Event::Kind::Tick, {}, {}, running[pick(count)]};
        const auto keys = keysOf(onView);
        return {Event::Kind::Key, keys[pick(keys.size())].id};
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
        std::vector<std::string> history;
        const std::size_t length = learner.beginWindow();
        for (std::size_t n = 0; n < length && delivered < total; ++n, ++delivered) {
            const Snapshot before = Snapshot::of(engine);
            Problems problems;
            const auto onView = before.keyboardOnView();
            if (!onView) {
                FAIL() << "seed " << seed << ": no keyboard on view before event " << n + 1;
            }
            const Event event = n == 0 && learner.startsWithLoad() ? Event{Event::Kind::Load}
                                                                   : learner.next(engine, *onView);
            history.push_back(mss::scenario::controlLine(engine, event));
            if (event.kind == Event::Kind::Key)
                expect(problems, engine.isOnView(event.key), "a key of the keyboard on view is not deliverable");
            mss::scenario::deliver(engine, event);
            const Changes changes = engine.takeChanges();
            const Snapshot after = Snapshot::of(engine);

            switch (event.kind) {
                case Event::Kind::Load: break;
                case Event::Kind::Section:
                    memory.section = event.section;
                    checkSection(event.section, before, after, problems);
                    break;
                case Event::Kind::Tick: {
                    ++memory.ticks;
                    expect(problems, after.flag(positionOf(event.timer)) == memory.ticks % mss::codebook::kLetterCount,
                           "the slide show did not hoist the next letter");
                    break;
                }
                case Event::Kind::Key:
                case Event::Kind::KeyOnView:
                    checkKey(event.key, before, after, changes, problems);
                    break;
            }
            checkState(after, memory, problems);
            checkChanges(before, after, changes, problems);

            if (!problems.empty()) {
                std::string report = "seed " + std::to_string(seed) + " (MSS65_SEED replays it), window " +
                                     std::to_string(window) + ", event " + std::to_string(n + 1) + " (" +
                                     history.back() + "):\n";
                for (const auto& p : problems) report += "  - " + p + "\n";
                report += "state: " + mss::scenario::describe(engine) + "\n";
                constexpr std::size_t kShown = 300;
                const std::size_t from = history.size() > kShown ? history.size() - kShown : 0;
                report += from > 0 ? "the last " + std::to_string(kShown) + " events of the window:\n"
                                   : "the events of the window:\n";
                for (std::size_t i = from; i < history.size(); ++i) report += history[i] + "\n";
                FAIL() << report;
            }
        }
    }
}

}  // namespace
