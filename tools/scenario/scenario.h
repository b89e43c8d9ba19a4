#pragma once
// The scenario language: window events as lines of text, and the engine's
// state as one line after each event.
//
//   load                 the window's Form_Load
//   click CommandN       a key, N = 1..152
//   click OptionN        a section button, N = 1..6
//   tick TimerN          a slide-show tick, N = 1..3
//
// Blank lines and lines beginning with # are skipped.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "signals/engine.h"

namespace mss::scenario {

struct Event {
    enum class Kind { Load, Key, Option, Tick } kind;
    int number = 0;
};

// Parses one event line; nothing for a malformed line.
std::optional<Event> parseEvent(std::string_view line);

// Delivers the event as the window would: a key of a hidden frame or a tick
// of a stopped timer changes nothing.
void deliver(signals::Engine& engine, const Event& event);

// "P1=A P2=E ... Option=2", the state after an event.
std::string describe(const signals::Engine& engine);

// Runs a whole scenario: the "start" line, then one line per event line.
void run(std::istream& in, std::ostream& out);

}  // namespace mss::scenario
