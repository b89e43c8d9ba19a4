// SPDX-License-Identifier: GPL-3.0-or-later
#include "group_reading.h"

#include <algorithm>
#include <vector>

#include "codebook/meanings.h"

namespace mss::exchange {

namespace {

bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// How the figures after a single letter are checked.
enum class Figures { Bearing, Day, Longitude, OneDigit, Latitude, Any, Time };

struct ComplementRule {
    char letter;
    Figures figures;
    std::string_view suffixes;  // letters that may follow the figures
    std::string_view what;      // in Russian, for messages
};

// The single-letter signals with complements, each fact once.
constexpr std::array kComplementRules{
    ComplementRule{'A', Figures::Bearing, "", "азимут или пеленг: три цифры, от 000 до 359"},
    ComplementRule{'C', Figures::Bearing, "", "курс: три цифры, от 000 до 359"},
    ComplementRule{'D', Figures::Day, "", "дата: две, четыре или шесть цифр (число, месяц, год)"},
    ComplementRule{'G', Figures::Longitude, "EW", "долгота: четыре или пять цифр, минуты до 59, градусы до 180"},
    ComplementRule{'K', Figures::OneDigit, "", "способ связи: одна цифра по таблице I, от 1 до 9"},
    ComplementRule{'L', Figures::Latitude, "NS", "широта: четыре цифры, градусы до 90, минуты до 59"},
    ComplementRule{'R', Figures::Any, "", "расстояние в милях"},
    ComplementRule{'S', Figures::Any, "", "скорость в узлах"},
    ComplementRule{'T', Figures::Time, "", "местное время: четыре цифры, часы до 23, минуты до 59"},
    ComplementRule{'V', Figures::Any, "", "скорость в километрах в час"},
    ComplementRule{'Z', Figures::Time, "", "время по Гринвичу: четыре цифры, часы до 23, минуты до 59"},
};

const ComplementRule* ruleOf(char letter) {
    for (const ComplementRule& rule : kComplementRules)
        if (rule.letter == letter) return &rule;
    return nullptr;
}

int number(std::string_view digits) {
    int n = 0;
    for (char c : digits) n = n * 10 + (c - '0');
    return n;
}

bool figuresKeepRule(Figures kind, std::string_view d) {
    const std::size_t n = d.size();
    if (kind != Figures::Any && d.find('.') != std::string_view::npos) return false;
    switch (kind) {
        case Figures::Bearing: return n == 3 && number(d) <= 359;
        case Figures::Day: {
            if (n != 2 && n != 4 && n != 6) return false;
            const int day = number(d.substr(0, 2));
            if (day < 1 || day > 31) return false;
            if (n >= 4) {
                const int month = number(d.substr(2, 2));
                if (month < 1 || month > 12) return false;
            }
            return true;
        }
        case Figures::Longitude: {
            if (n != 4 && n != 5) return false;
            const int minutes = number(d.substr(n - 2));
            const int degrees = number(d.substr(0, n - 2));
            return minutes <= 59 && degrees <= 180 && !(degrees == 180 && minutes > 0);
        }
        case Figures::OneDigit: return n == 1 && d[0] != '0';
        case Figures::Latitude: {
            if (n != 4) return false;
            const int degrees = number(d.substr(0, 2));
            const int minutes = number(d.substr(2));
            return minutes <= 59 && degrees <= 90 && !(degrees == 90 && minutes > 0);
        }
        case Figures::Any: return n >= 1;
        case Figures::Time: return n == 4 && number(d.substr(0, 2)) <= 23 && number(d.substr(2)) <= 59;
    }
    return false;
}

// A group split as letters, figures and the letters after them: "L6330N" →
// "L", "6330", "N"; "MBR39.5" → "MBR", "39.5", "".
struct Parts {
    std::string_view letters, figures, suffix;
};

std::optional<Parts> partsOf(std::string_view group) {
    std::size_t i = 0;
    while (i < group.size() && isCapital(group[i])) ++i;
    // Figures, with at most one decimal point between two of them.
    std::size_t j = i;
    bool point = false;
    while (j < group.size() && (isDigit(group[j]) || (group[j] == '.' && !point && j > i && j + 1 < group.size() &&
                                                      isDigit(group[j + 1])))) {
        point = point || group[j] == '.';
        ++j;
    }
    std::size_t k = j;
    while (k < group.size() && isCapital(group[k])) ++k;
    if (k != group.size() || i == 0) return std::nullopt;
    return Parts{group.substr(0, i), group.substr(i, j - i), group.substr(j)};
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

// A meaning that leaves a blank for a number, a name or a word.
bool hasBlank(std::string_view text) { return text.find(".....") != std::string_view::npos; }

}  // namespace

std::optional<std::string> complementProblem(std::string_view group) {
    const auto parts = partsOf(group);
    if (!parts || parts->letters.size() != 1 || parts->figures.empty()) return std::nullopt;
    const ComplementRule* rule = ruleOf(parts->letters[0]);
    if (rule == nullptr) return std::nullopt;
    const bool suffixOk = parts->suffix.empty() || (parts->suffix.size() == 1 &&
                                                    rule->suffixes.find(parts->suffix[0]) != std::string_view::npos);
    if (suffixOk && figuresKeepRule(rule->figures, parts->figures)) return std::nullopt;
    return "В группе " + std::string(group) + " после " + std::string(1, rule->letter) + " идёт " +
           std::string(rule->what) + ".";
}

GroupReading readGroupOfMessage(const codebook::CodeBook& book, std::string_view group, std::string_view previous,
                                const std::array<std::string, 2>& callSigns) {
    GroupReading reading;
    if (const auto meaning = codebook::meaningOf(book, group)) {
        reading.kind = GroupKind::BookSignal;
        reading.meaning = meaning->text;
        return reading;
    }
    const auto parts = partsOf(group);
    if (parts && parts->letters.size() == 1 && !parts->figures.empty() && ruleOf(parts->letters[0])) {
        reading.kind = GroupKind::Complement;
        if (auto problem = complementProblem(group)) reading.problem = *problem;
        return reading;
    }
    if (parts && !parts->figures.empty() && parts->suffix.empty())
        if (const auto meaning = codebook::meaningOf(book, parts->letters); meaning && hasBlank(meaning->text)) {
            reading.kind = GroupKind::BookSignal;
            reading.meaning = meaning->text;
            return reading;
        }
    if (std::find(callSigns.begin(), callSigns.end(), group) != callSigns.end()) {
        reading.kind = GroupKind::CallSign;
        return reading;
    }
    if (std::all_of(group.begin(), group.end(), isCapital) && !previous.empty()) {
        const auto before = codebook::meaningOf(book, previous);
        if (before && hasBlank(before->text)) {
            reading.kind = GroupKind::SpelledWord;
            return reading;
        }
    }
    reading.problem = "Группы " + std::string(group) + " в своде нет.";
    return reading;
}

GroupComparison compareGroups(const Groups& given, const Groups& expected) {
    const std::size_t common = std::min(given.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (given[i] == expected[i]) continue;
        const auto a = partsOf(given[i]);
        const auto b = partsOf(expected[i]);
        if (!a || !b || a->letters != b->letters || a->figures.empty() || b->figures.empty())
            return {GroupMismatch::WrongGroup, i};
        // The same letters: the figures decide.
        const ComplementRule* rule = a->letters.size() == 1 ? ruleOf(a->letters[0]) : nullptr;
        const bool sameValue = rule != nullptr && rule->figures == Figures::Any && !complementProblem(given[i]) &&
                               a->suffix == b->suffix &&
                               withoutLeadingZeros(a->figures) == withoutLeadingZeros(b->figures);
        if (!sameValue) return {GroupMismatch::WrongFigure, i};
    }
    if (given.size() < expected.size()) return {GroupMismatch::Missing, common};
    if (given.size() > expected.size()) return {GroupMismatch::Extra, common};
    return {};
}

}  // namespace mss::exchange
