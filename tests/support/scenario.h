// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scenario language: window events as lines of text, and the engine's
// state as one line after each event.
//
//   load                 the window's start-up
//   press A              the key with that letter or digit on the keyboard on view
//   press about          its About key; press exit: its Exit key
//   choose single        a section: single, general, medical, table1, table2, table3
//   tick 1               a slide-show tick for hoist position 1, 2 or 3
//
// The window's own control names work too:
//
//   click CommandN       a key, N = 1..152
//   click OptionN        a section, N = 1..6
//   tick TimerN          a slide-show tick, N = 1..3
//
// Blank lines and lines beginning with # are skipped. A line that is no
// event, a second load, or a line over kLongestLine bytes gives an "error:"
// line.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"

namespace mss::scenario {

struct Event {
    enum class Kind { Load, Key, KeyOnView, Section, Tick } kind = Kind::Load;
    engine::KeyId key{};  // Key; for KeyOnView the keyboard is the one on view when it is delivered
    engine::Section section{};
    engine::SlideTimer timer{};
};

// Parses one event line; nothing for a malformed line.
std::optional<Event> parseEvent(std::string_view line);

// The event in the window's control names ("click Command59").
std::string controlLine(const engine::Engine& engine, const Event& event);

// Delivers the event as the window would: a key of a hidden keyboard or a
// tick of a stopped timer changes nothing.
void deliver(engine::Engine& engine, const Event& event);

// "P1=A P2=E ... Option=2", the state after an event.
std::string describe(const engine::Engine& engine);

// An engine fed event lines: the window starts up at most once.
class Session {
public:
    // Delivers the event of `line`; the reason when it is no event the
    // window can have.
    std::optional<std::string> apply(std::string_view line);
    const engine::Engine& engine() const { return engine_; }

private:
    engine::Engine engine_;
    bool loaded_ = false;
};

// Lines longer than this are refused without being kept whole.
inline constexpr std::size_t kLongestLine = 4096;

// `text` with control bytes, backslashes and bytes that are no UTF-8 written
// as \xNN, so a bad line cannot reach a terminal raw.
std::string escaped(std::string_view text);

// Runs a whole scenario: the "start" line, then one line per event line.
// False when a line was no event or the output could not be written.
bool run(std::istream& in, std::ostream& out);

}  // namespace mss::scenario
