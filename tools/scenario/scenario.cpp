#include "scenario.h"

#include <charconv>
#include <istream>
#include <ostream>

#include "codebook/flag_catalogue.h"

namespace mss::scenario {

namespace {

using signals::EditField;
using signals::Element;
using signals::Engine;
using signals::ListId;
using signals::Position;
using signals::Timer;

std::optional<int> numberAfter(std::string_view text, std::string_view prefix, int low, int high) {
    if (text.substr(0, prefix.size()) != prefix) return std::nullopt;
    text.remove_prefix(prefix.size());
    if (text.empty() || text[0] == '0' || text[0] == '+' || text[0] == '-') return std::nullopt;
    int n = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || ptr != text.data() + text.size() || n < low || n > high) return std::nullopt;
    return n;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

}  // namespace

std::optional<Event> parseEvent(std::string_view line) {
    line = trimmed(line);
    if (line == "load") return Event{Event::Kind::Load, 0};
    if (line.substr(0, 6) == "click ") {
        const auto target = line.substr(6);
        if (auto n = numberAfter(target, "Command", 1, 152)) return Event{Event::Kind::Key, *n};
        if (auto n = numberAfter(target, "Option", 1, 6)) return Event{Event::Kind::Option, *n};
        return std::nullopt;
    }
    if (line.substr(0, 5) == "tick ")
        if (auto n = numberAfter(line.substr(5), "Timer", 1, 3)) return Event{Event::Kind::Tick, *n};
    return std::nullopt;
}

void deliver(Engine& engine, const Event& event) {
    switch (event.kind) {
        case Event::Kind::Load: engine.Form_Load(); break;
        case Event::Kind::Option: engine.Option_Click(event.number); break;
        case Event::Kind::Key:
            if (engine.KeyOnView(event.number)) engine.Command_Click(event.number);
            break;
        case Event::Kind::Tick: {
            const auto timer = static_cast<Timer>(event.number - 1);
            if (engine.TimerEnabled(timer)) engine.Timer_Timer(timer);
            break;
        }
    }
}

std::string describe(const Engine& engine) {
    std::string out;
    out.reserve(360);
    auto position = [&](std::string_view name, Position p) {
        const int flag = engine.flagAt(p);
        out += name;
        out += '=';
        out += flag == signals::kNoFlag ? '-' : codebook::symbolOfFlag(flag);
        out += ' ';
    };
    auto visibility = [&](Element e) { return engine.IsShown(e) ? "shown" : "hidden"; };
    auto element = [&](Element e) {
        out += signals::kElementNames[static_cast<std::size_t>(signals::index(e))];
        out += '=';
        out += visibility(e);
        out += ' ';
    };
    auto list = [&](ListId l) {
        out += codebook::listInfo(l).name;
        out += '=';
        switch (engine.editField(l)) {
            case EditField::Heading: out += 'H'; break;
            case EditField::Empty: out += '-'; break;
            case EditField::Row: out += std::to_string(engine.selection(l)); break;
        }
        out += '/';
        out += visibility(signals::elementOfList(l));
        out += ' ';
    };
    position("P1", Position::Picture1);
    position("P2", Position::Picture2);
    position("P3", Position::Picture3);
    for (Element e : {Element::Picture1, Element::Picture5, Element::Frame1, Element::Frame2,
                      Element::Frame3, Element::Frame4})
        element(e);
    for (const auto& info : codebook::kLists) list(info.id);
    element(Element::Label1);
    for (int t = 1; t <= 3; ++t) {
        out += "Timer" + std::to_string(t) + "=";
        out += engine.TimerEnabled(static_cast<Timer>(t - 1)) ? "on" : "off";
        out += ' ';
    }
    out += "Option=";
    out += engine.selectedOption() == 0 ? std::string("-") : std::to_string(engine.selectedOption());
    return out;
}

void run(std::istream& in, std::ostream& out) {
    Engine engine;
    out << "start: " << describe(engine) << '\n';
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view text = trimmed(line);
        if (text.empty() || text.front() == '#') continue;
        const auto event = parseEvent(text);
        if (!event) {
            out << "error: " << text << '\n';
            continue;
        }
        deliver(engine, *event);
        out << text << ": " << describe(engine) << '\n';
    }
}

}  // namespace mss::scenario
