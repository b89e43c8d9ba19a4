// SPDX-License-Identifier: GPL-3.0-or-later
#include "complements.h"

#include <algorithm>

#include "codebook/meanings.h"
#include "codebook/signal_code.h"
#include "russian_count.h"

namespace mss::codebook::message {

namespace {

constexpr std::string_view kDegree = "°";
constexpr std::string_view kMinute = "′";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int numberOf(std::string_view digits) {
    int n = 0;
    for (const char c : digits) n = n * 10 + (c - '0');
    return n;
}

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// The group after its letter: the figures and the letters that follow them.
struct Parts {
    std::string_view figures;
    std::string_view after;
};

Parts partsOf(std::string_view group) {
    std::string_view rest = group.substr(1);
    const auto end = std::find_if(rest.begin(), rest.end(), [](char c) { return !isDigit(c) && c != '.'; });
    const auto split = static_cast<std::size_t>(end - rest.begin());
    return {rest.substr(0, split), rest.substr(split)};
}

ComplementReading meaning(std::string text) { return {std::move(text), {}}; }
ComplementReading refusal(std::string reason) { return {{}, std::move(reason)}; }

// Hours and minutes of a time of day.
ComplementReading timeOfDay(std::string_view what, std::string_view figures) {
    const int hours = numberOf(figures.substr(0, 2));
    const int minutes = numberOf(figures.substr(2, 2));
    if (hours > 23 || minutes > 59)
        return refusal("Времени " + std::to_string(hours) + " ч " + std::to_string(minutes) +
                       " мин не бывает: часы — от 00 до 23, минуты — от 00 до 59.");
    return meaning(std::string(what) + ' ' + std::to_string(hours) + " ч " + twoDigits(minutes) + " мин");
}

// Degrees and minutes of a latitude or a longitude, with N, S, E or W after them.
ComplementReading angle(std::string_view what, std::string_view whatGenitive, int most, std::string_view figures,
                        std::string_view hemisphere) {
    const int degrees = numberOf(figures.substr(0, figures.size() - 2));
    const int minutes = numberOf(figures.substr(figures.size() - 2));
    if (minutes > 59) return refusal("Минут " + std::to_string(minutes) + " не бывает: их от 00 до 59.");
    if (degrees > most || (degrees == most && minutes > 0))
        return refusal(std::string(whatGenitive) + " больше " + std::to_string(most) + std::string(kDegree) + "00" +
                       std::string(kMinute) + " не бывает.");
    std::string text = std::string(what) + ' ' + std::to_string(degrees) + std::string(kDegree) + twoDigits(minutes) +
                       std::string(kMinute);
    if (!hemisphere.empty()) text += ' ' + std::string(hemisphere);
    return meaning(std::move(text));
}

// An azimuth or a course: three figures, 000 to 359.
ComplementReading direction(std::string_view what, std::string_view whatGenitive, std::string_view figures) {
    if (numberOf(figures) > 359)
        return refusal(std::string(whatGenitive) + ' ' + std::string(figures) + std::string(kDegree) +
                       " не бывает: от 000 до 359" + std::string(kDegree) + '.');
    return meaning(std::string(what) + ' ' + std::string(figures) + std::string(kDegree));
}

constexpr std::array<std::string_view, 12> kMonthsGenitive{"января",   "февраля", "марта",  "апреля",
                                                           "мая",      "июня",    "июля",   "августа",
                                                           "сентября", "октября", "ноября", "декабря"};
constexpr std::array<int, 12> kDaysInMonth{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<std::string_view, 12> kMonthsPrepositional{"январе",   "феврале", "марте",  "апреле",
                                                                "мае",      "июне",    "июле",   "августе",
                                                                "сентябре", "октябре", "ноябре", "декабре"};

ComplementReading date(std::string_view figures) {
    const int day = numberOf(figures.substr(0, 2));
    if (day < 1 || day > 31) return refusal("Числа месяца " + std::to_string(day) + " не бывает: от 01 до 31.");
    if (figures.size() == 2) return meaning("дата: " + std::to_string(day) + "-е число текущего месяца");
    const int month = numberOf(figures.substr(2, 2));
    if (month < 1 || month > 12) return refusal("Месяца " + std::to_string(month) + " не бывает: от 01 до 12.");
    const auto m = static_cast<std::size_t>(month - 1);
    if (day > kDaysInMonth[m])
        return refusal("В " + std::string(kMonthsPrepositional[m]) + " нет " + std::to_string(day) + "-го числа.");
    std::string text = "дата: " + std::to_string(day) + ' ' + std::string(kMonthsGenitive[m]);
    if (figures.size() == 6) {
        const std::string_view year = figures.substr(4, 2);
        // Two figures of the year leave the century open; a year they can
        // name is a leap year when they divide by four.
        if (month == 2 && day == 29 && numberOf(year) % 4 != 0)
            return refusal("Год …" + std::string(year) + " не високосный: в феврале нет 29-го числа.");
        text += ' ' + std::string(year) + "-го года";
    }
    return meaning(std::move(text));
}

ComplementReading meansOfCommunication(const CodeBook& book, std::string_view figures) {
    const int digit = numberOf(figures);
    const auto row = SignalCode::tableRow(Section::TableI, digit);
    const auto k = meaningOf(book, "K");
    const auto means = row ? meaningOf(book, *row) : std::nullopt;
    if (!means || !k) return refusal("В таблице I нет строки " + std::to_string(digit) + ": в ней цифры от 1 до 9.");
    return meaning(withTableRow(k->text, *means));
}

}  // namespace

std::string withTableRow(std::string_view meaning, const Meaning& row) {
    while (!meaning.empty() && meaning.back() == ' ') meaning.remove_suffix(1);
    std::string text(meaning);
    if (!text.empty() && text.back() != '.' && text.back() != '?' && text.back() != '!') text += '.';
    return text + " Дополнение " + std::string(row.code) + ": " + std::string(row.text);
}

const ComplementRule* complementRuleOf(char letter) {
    for (const ComplementRule& rule : kComplementRules)
        if (rule.letter == letter) return &rule;
    return nullptr;
}

bool looksLikeComplement(std::string_view group) {
    return group.size() >= 2 && complementRuleOf(group[0]) != nullptr && isDigit(group[1]);
}

ComplementReading readComplement(const CodeBook& book, std::string_view group) {
    const ComplementRule* rule = complementRuleOf(group.empty() ? 0 : group[0]);
    if (rule == nullptr || !looksLikeComplement(group)) return refusal("Это не однобуквенный сигнал с дополнением.");
    const std::string letter(1, rule->letter);
    const auto [figures, after] = partsOf(group);

    const std::size_t point = figures.find('.');
    if (point != std::string_view::npos) {
        if (!rule->decimal) return refusal("В дополнении к " + letter + " десятичной запятой не бывает.");
        if (figures.find('.', point + 1) != std::string_view::npos || point + 1 == figures.size())
            return refusal("Десятичная запятая ставится одна и между двумя цифрами.");
    }
    const bool anyCount = rule->figures == std::array<int, 3>{0, 0, 0};
    const auto count = static_cast<int>(figures.size());
    if (!anyCount && std::find(rule->figures.begin(), rule->figures.end(), count) == rule->figures.end())
        return refusal("После " + letter + " (" + std::string(rule->what) + ") ставят " +
                       std::string(rule->figuresSaid) + ", а здесь их " + std::to_string(count) + '.');
    if (!after.empty()) {
        if (rule->hemispheres.empty()) return refusal("После цифр дополнения к " + letter + " букв не ставят.");
        if (after.size() > 1 || rule->hemispheres.find(after[0]) == std::string_view::npos)
            return refusal("После цифр дополнения к " + letter + " может стоять только " +
                           std::string(1, rule->hemispheres[0]) + " или " + std::string(1, rule->hemispheres[1]) + '.');
    }

    switch (rule->letter) {
        case 'A': return direction("пеленг", "Пеленга", figures);
        case 'C': return direction("курс", "Курса", figures);
        case 'D': return date(figures);
        case 'G': return angle("долгота", "Долготы", 180, figures, after);
        case 'K': return meansOfCommunication(book, figures);
        case 'L': return angle("широта", "Широты", 90, figures, after);
        case 'R': return meaning("расстояние " + counted(figures, {"миля", "мили", "миль"}));
        case 'S': return meaning("скорость " + counted(figures, {"узел", "узла", "узлов"}));
        case 'T': return timeOfDay("местное время", figures);
        case 'V': return meaning("скорость " + russianFigures(figures) + " км/ч");
        case 'Z': return timeOfDay("время по Гринвичу", figures);
        default: break;
    }
    return refusal("Это не однобуквенный сигнал с дополнением.");
}

}  // namespace mss::codebook::message
