// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario.h"

#include <array>
#include <charconv>
#include <istream>
#include <ostream>

#include "codebook/flag_catalogue.h"
#include "codebook/utf8.h"
#include "engine/window_names.h"

namespace mss::scenario {

namespace {

using engine::EditField;
using engine::Element;
using engine::Engine;
using engine::HoistPosition;
using engine::KeyId;
using engine::Keyboard;
using engine::Section;

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

constexpr std::array<std::pair<std::string_view, Section>, 6> kSectionWords{{
    {"single", Section::SingleLetter},
    {"general", Section::General},
    {"medical", Section::Medical},
    {"table1", Section::TableI},
    {"table2", Section::TableII},
    {"table3", Section::TableIII},
}};

std::optional<Event> keyOnView(std::string_view what) {
    Event e{Event::Kind::KeyOnView};
    if (what == "about") {
        e.key = KeyId::about(Keyboard::SingleLetter);
        return e;
    }
    if (what == "exit") {
        e.key = KeyId::exit(Keyboard::SingleLetter);
        return e;
    }
    if (what.size() != 1) return std::nullopt;
    char symbol = what[0];
    if (symbol >= 'a' && symbol <= 'z') symbol = static_cast<char>(symbol - 'a' + 'A');
    const auto key = engine::flagKey(Keyboard::SingleLetter, symbol);
    if (!key) return std::nullopt;
    e.key = *key;
    return e;
}

}  // namespace

std::optional<Event> parseEvent(std::string_view line) {
    line = trimmed(line);
    if (line == "load") return Event{Event::Kind::Load};
    if (line.substr(0, 6) == "click ") {
        const auto target = line.substr(6);
        if (auto n = numberAfter(target, "Command", 1, engine::kCommandCount))
            return Event{Event::Kind::Key, *engine::keyOfCommand(*n)};
        if (auto n = numberAfter(target, "Option", 1, static_cast<int>(codebook::kSectionCount)))
            return Event{Event::Kind::Section, {}, *engine::sectionOfOption(*n)};
        return std::nullopt;
    }
    if (line.substr(0, 6) == "press ") return keyOnView(line.substr(6));
    if (line.substr(0, 7) == "choose ") {
        for (const auto& [word, section] : kSectionWords)
            if (line.substr(7) == word) return Event{Event::Kind::Section, {}, section};
        return std::nullopt;
    }
    if (line.substr(0, 5) == "tick ") {
        const auto target = line.substr(5);
        auto n = numberAfter(target, "Timer", 1, static_cast<int>(engine::kSlideTimers.size()));
        if (!n) n = numberAfter(target, "", 1, static_cast<int>(engine::kSlideTimers.size()));
        if (n) return Event{Event::Kind::Tick, {}, {}, *engine::timerOfNumber(*n)};
    }
    return std::nullopt;
}

std::string controlLine(const Engine& engine, const Event& event) {
    switch (event.kind) {
        case Event::Kind::Load: return "load";
        case Event::Kind::Key: return "click Command" + std::to_string(engine::commandNumber(event.key));
        case Event::Kind::KeyOnView: {
            KeyId key = event.key;
            key.keyboard = engine.keyboardOnView().value_or(Keyboard::SingleLetter);
            return "click Command" + std::to_string(engine::commandNumber(key));
        }
        case Event::Kind::Section: return "click Option" + std::to_string(engine::optionNumber(event.section));
        case Event::Kind::Tick: return "tick Timer" + std::to_string(engine::timerNumber(event.timer));
    }
    return {};
}

void deliver(Engine& engine, const Event& event) {
    switch (event.kind) {
        case Event::Kind::Load: engine.load(); break;
        case Event::Kind::Section: engine.chooseSection(event.section); break;
        case Event::Kind::Key:
            if (engine.isOnView(event.key)) engine.pressKey(event.key);
            break;
        case Event::Kind::KeyOnView:
            if (const auto keyboard = engine.keyboardOnView()) {
                KeyId key = event.key;
                key.keyboard = *keyboard;
                engine.pressKey(key);
            }
            break;
        case Event::Kind::Tick:
            if (engine.isRunning(event.timer)) engine.tick(event.timer);
            break;
    }
}

std::string describe(const Engine& engine) {
    std::string out;
    out.reserve(360);
    auto position = [&](std::string_view name, HoistPosition p) {
        const int flag = engine.flagAt(p);
        out += name;
        out += '=';
        out += flag == engine::kNoFlag ? '-' : codebook::symbolOfFlag(flag);
        out += ' ';
    };
    auto visibility = [&](Element e) { return engine.isShown(e) ? "shown" : "hidden"; };
    auto element = [&](Element e) {
        out += engine::nameOf(e);
        out += '=';
        out += visibility(e);
        out += ' ';
    };
    auto list = [&](const codebook::CodeListInfo& info) {
        out += info.fileName;
        out += '=';
        switch (engine.editField(info.list)) {
            case EditField::Heading: out += 'H'; break;
            case EditField::Empty: out += '-'; break;
            case EditField::Row: out += std::to_string(engine.selection(info.list)); break;
        }
        out += '/';
        out += visibility(engine::elementOf(info.list));
        out += ' ';
    };
    position("P1", HoistPosition::First);
    position("P2", HoistPosition::Second);
    position("P3", HoistPosition::Third);
    element(Element::FirstFlagPosition);
    element(Element::MedicalFlagM);
    for (Keyboard k : engine::kKeyboards) element(engine::elementOf(k));
    for (const auto& info : codebook::kCodeLists) list(info);
    element(Element::TablesNote);
    for (auto t : engine::kSlideTimers) {
        out += "Timer" + std::to_string(engine::timerNumber(t)) + "=";
        out += engine.isRunning(t) ? "on" : "off";
        out += ' ';
    }
    out += "Option=";
    const auto section = engine.chosenSection();
    out += section ? std::to_string(engine::optionNumber(*section)) : std::string("-");
    return out;
}

std::optional<std::string> Session::apply(std::string_view line) {
    const auto event = parseEvent(line);
    if (!event) return "not an event";
    // The window starts up once; a second start-up is no event it can have.
    if (event->kind == Event::Kind::Load && loaded_) return "the window has started up already";
    if (event->kind == Event::Kind::Load) loaded_ = true;
    deliver(engine_, *event);
    return std::nullopt;
}

std::string escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    auto byte = [&](unsigned char c) {
        out += "\\x";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F || c == '\\') {
            byte(c);
            ++i;
            continue;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        // A character of two to four bytes, kept when it is well-formed.
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        const std::string_view sequence = text.substr(i, length);
        if (length > 1 && sequence.size() == length && codebook::decodeUtf8(sequence)) {
            out += sequence;
            i += length;
        } else {
            byte(c);
            ++i;
        }
    }
    return out;
}

namespace {

// Reads one line of at most `limit` bytes; a longer line is skipped to its
// end and reported by its length, so no line can take much memory.
enum class LineRead { Line, TooLong, End };
LineRead readLine(std::istream& in, std::string& line, std::size_t& length) {
    line.clear();
    length = 0;
    std::istream::int_type c;
    while ((c = in.get()) != std::istream::traits_type::eof()) {
        if (c == '\n') break;
        ++length;
        if (line.size() < kLongestLine) line.push_back(static_cast<char>(c));
    }
    if (c == std::istream::traits_type::eof() && length == 0) return LineRead::End;
    return length > kLongestLine ? LineRead::TooLong : LineRead::Line;
}

}  // namespace

bool run(std::istream& in, std::ostream& out) {
    Session session;
    bool clean = true;
    out << "start: " << describe(session.engine()) << '\n';
    std::string line;
    std::size_t length = 0;
    for (LineRead read; (read = readLine(in, line, length)) != LineRead::End;) {
        if (read == LineRead::TooLong) {
            out << "error: a line of " << length << " bytes, longer than " << kLongestLine << '\n';
            clean = false;
            continue;
        }
        const std::string_view text = trimmed(line);
        if (text.empty() || text.front() == '#') continue;
        if (const auto error = session.apply(text)) {
            out << "error: " << escaped(text) << '\n';
            clean = false;
            continue;
        }
        out << text << ": " << describe(session.engine()) << '\n';
    }
    out.flush();
    return clean && out.good();
}

}  // namespace mss::scenario
