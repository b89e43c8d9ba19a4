// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario_loader.h"

#include <algorithm>

#include "codebook/utf8.h"
#include "message_match.h"

namespace mss::exchange {

namespace {

struct Refusal {
    int line;
    std::string reason;
};

bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> result;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        result.emplace_back(text.substr(start, i - start));
    }
    return result;
}

bool isName(std::string_view word) { return !word.empty() && std::all_of(word.begin(), word.end(), isCapital); }

// A call sign here: four capitals or digits, the first a letter.
bool isCallSign(std::string_view word) {
    return word.size() == 4 && isCapital(word[0]) &&
           std::all_of(word.begin(), word.end(), [](char c) { return isCapital(c) || isDigit(c); });
}

class Reader {
public:
    std::vector<Scenario> scenarios;

    void statement(int line, std::string_view keyword, std::string_view value) {
        if (keyword == "exchange") return startScenario(line, value);
        if (scenarios.empty()) throw Refusal{line, "до первой строки exchange не может быть ничего, кроме пояснений."};
        Scenario& s = scenarios.back();
        if (keyword == "title") return setOnce(line, s.title, value, "title");
        if (keyword == "situation") return setOnce(line, s.situation, value, "situation");
        if (keyword == "ships") return setShips(line, s, value);
        if (keyword == "signal") return startSignal(line, s, value);
        if (s.signalSequence.empty())
            throw Refusal{line, "строка «" + std::string(keyword) + "» должна стоять после строки signal."};
        Signal& signal = s.signalSequence.back();
        if (keyword == "task") return setOnce(line, signal.task, value, "task");
        if (keyword == "message") return signal.messages.push_back(message(line, value));
        if (keyword == "garbled") {
            if (signal.garbled) throw Refusal{line, "у сигнала уже есть строка garbled."};
            signal.garbled = hoist(line, value);
            return;
        }
        if (keyword == "reply") return signal.notUnderstoodReplies.push_back(hoist(line, value));
        throw Refusal{line, "неизвестное слово «" + std::string(keyword) +
                                "»; строка начинается с exchange, title, situation, ships, signal, task, "
                                "message, garbled или reply."};
    }

    void finish() {
        if (scenarios.empty()) throw Refusal{0, "В файле нет ни одного сценария."};
        checkScenario(scenarios.back());
    }

private:
    void startScenario(int line, std::string_view value) {
        if (!scenarios.empty()) checkScenario(scenarios.back());
        if (!isName(value))
            throw Refusal{line,
                          "имя сценария — одно латинское слово заглавными буквами, а не «" + std::string(value) + "»."};
        for (const Scenario& s : scenarios)
            if (s.name == value)
                throw Refusal{line,
                              "сценарий " + std::string(value) + " уже есть в строке " + std::to_string(s.line) + "."};
        Scenario s;
        s.name = value;
        s.line = line;
        scenarios.push_back(std::move(s));
    }

    static void setOnce(int line, std::string& field, std::string_view value, std::string_view keyword) {
        if (!field.empty()) throw Refusal{line, "строка " + std::string(keyword) + " здесь уже была."};
        if (value.empty()) throw Refusal{line, "после " + std::string(keyword) + " нужен текст."};
        field = value;
    }

    static void setShips(int line, Scenario& s, std::string_view value) {
        if (!s.callSigns[0].empty()) throw Refusal{line, "строка ships здесь уже была."};
        const auto signs = words(value);
        if (signs.size() != 2) throw Refusal{line, "после ships нужны два позывных: судна A и судна B."};
        for (const std::string& sign : signs)
            if (!isCallSign(sign))
                throw Refusal{line, "«" + sign +
                                        "» — не позывной: четыре латинские заглавные буквы или цифры, "
                                        "первая — буква."};
        if (signs[0] == signs[1]) throw Refusal{line, "у двух судов один позывной " + signs[0] + "."};
        s.callSigns = {signs[0], signs[1]};
    }

    static void startSignal(int line, Scenario& s, std::string_view value) {
        if (s.callSigns[0].empty()) throw Refusal{line, "строка ships должна стоять до первого сигнала."};
        if (!s.signalSequence.empty()) checkSignal(s, s.signalSequence.back());
        const auto parts = words(value);
        if (parts.empty() || parts.size() > 2 || (parts[0] != "A" && parts[0] != "B"))
            throw Refusal{line, "после signal нужно судно, A или B, и, если нужно, позывной на стеньге."};
        Signal signal;
        signal.sender = parts[0] == "A" ? Ship::A : Ship::B;
        signal.line = line;
        if (parts.size() == 2) {
            if (parts[1] != s.callSigns[0] && parts[1] != s.callSigns[1])
                throw Refusal{line, "позывной " + parts[1] + " — не позывной ни одного из двух судов."};
            signal.callSign = parts[1];
        }
        s.signalSequence.push_back(std::move(signal));
    }

    static TextHoist hoist(int line, std::string_view value) {
        TextHoist groups = words(value);
        if (groups.empty()) throw Refusal{line, "в подъёме нет ни одной группы."};
        for (const std::string& group : groups)
            if (!std::all_of(group.begin(), group.end(), [](char c) { return isCapital(c) || isDigit(c) || c == '.'; }))
                throw Refusal{line, "«" + group +
                                        "» — не группа: в ней бывают только латинские заглавные буквы, "
                                        "цифры и точка."};
        if (const auto refusal = halyardRefusal(groups)) throw Refusal{line, *refusal};
        return groups;
    }

    static Message message(int line, std::string_view value) {
        Message result;
        std::size_t start = 0;
        while (true) {
            const std::size_t slash = value.find('/', start);
            result.push_back(hoist(line, value.substr(start, slash == std::string_view::npos ? slash : slash - start)));
            if (slash == std::string_view::npos) break;
            start = slash + 1;
        }
        return result;
    }

    static void checkSignal(const Scenario& s, const Signal& signal) {
        const int line = signal.line;
        if (signal.task.empty()) throw Refusal{line, "у сигнала нет строки task."};
        if (signal.garbled && signal.messages.empty())
            throw Refusal{line, "у сигнала с garbled нет исправленного сообщения (строки message)."};
        if (signal.messages.empty() && !signal.callSign)
            throw Refusal{line, "у сигнала нет ни строки message, ни позывного на стеньге."};
        if (signal.messages.empty() && signal.callSign != s.callSignOf(signal.sender))
            throw Refusal{line, "сигнал без строки message — это собственный позывной судна, а " + *signal.callSign +
                                    " — позывной другого судна."};
        if (signal.garbled && signal.notUnderstoodReplies.empty())
            throw Refusal{line, "у сигнала с garbled нет ни одной строки reply."};
        if (!signal.garbled && !signal.notUnderstoodReplies.empty())
            throw Refusal{line, "строки reply бывают только у сигнала с garbled."};
    }

    static void checkScenario(Scenario& s) {
        if (s.title.empty()) throw Refusal{s.line, "у сценария " + s.name + " нет строки title."};
        if (s.situation.empty()) throw Refusal{s.line, "у сценария " + s.name + " нет строки situation."};
        if (s.callSigns[0].empty()) throw Refusal{s.line, "у сценария " + s.name + " нет строки ships."};
        if (s.signalSequence.empty()) throw Refusal{s.line, "в сценарии " + s.name + " нет ни одного сигнала."};
        checkSignal(s, s.signalSequence.back());
        if (s.learnerShips().empty())
            throw Refusal{s.line,
                          "в сценарии " + s.name + " оба судна поднимают непонятные сигналы: учиться не за кого."};
    }
};

}  // namespace

std::string ScenarioProblem::text() const {
    if (line == 0) return reason;
    return "Строка " + std::to_string(line) + ": " + reason;
}

ScenarioFile loadScenarios(std::string_view bytes) {
    Reader reader;
    ScenarioFile file;
    try {
        int line = 0;
        std::size_t start = 0;
        while (start < bytes.size()) {
            std::size_t end = bytes.find('\n', start);
            if (end == std::string_view::npos) end = bytes.size();
            ++line;
            const std::string_view text = trimmed(bytes.substr(start, end - start));
            start = end + 1;
            if (!codebook::decodeUtf8(text))
                throw Refusal{line, "строка не в кодировке UTF-8: файл повреждён или сохранён в другой кодировке."};
            if (text.empty() || text.front() == '#') continue;
            const std::size_t space = text.find_first_of(" \t");
            const std::string_view keyword = text.substr(0, space);
            const std::string_view value =
                space == std::string_view::npos ? std::string_view{} : trimmed(text.substr(space));
            reader.statement(line, keyword, value);
        }
        reader.finish();
    } catch (const Refusal& refusal) {
        file.problem = ScenarioProblem{refusal.line, refusal.reason};
        return file;
    }
    file.scenarios = std::move(reader.scenarios);
    return file;
}

const Scenario* findScenario(const std::vector<Scenario>& scenarios, std::string_view name) {
    for (const Scenario& s : scenarios)
        if (s.name == name) return &s;
    return nullptr;
}

}  // namespace mss::exchange
