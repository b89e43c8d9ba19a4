// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_reading.h"

#include <algorithm>

#include "codebook/meanings.h"
#include "codebook/signal_code.h"
#include "complements.h"
#include "group_takes.h"
#include "russian_count.h"

namespace mss::codebook::message {

namespace {

// The code that announces plain language: the groups after it are words.
constexpr std::string_view kPlainLanguage = "YZ";
constexpr std::string_view kBlank = ".....";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }

bool allLetters(std::string_view s) { return !s.empty() && std::all_of(s.begin(), s.end(), isLetter); }

// Digits with at most one decimal point, between two digits.
bool isNumber(std::string_view s) {
    if (s.empty() || !isDigit(s.front()) || !isDigit(s.back())) return false;
    return std::all_of(s.begin(), s.end(), [](char c) { return isDigit(c) || c == '.'; }) &&
           std::count(s.begin(), s.end(), '.') <= 1;
}

bool isCallSignShape(std::string_view s) {
    return s.size() >= 3 && s.size() <= 9 &&
           std::all_of(s.begin(), s.end(), [](char c) { return isLetter(c) || isDigit(c); }) &&
           std::any_of(s.begin(), s.end(), isLetter);
}

std::string_view trimmedMeaning(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

// What the message lets a group of letters that is no code be here.
// Right after YZ any letters are a word; after that word, letters that are
// no code go on with the plain text.
enum class Slot { None, Addressee, Vessel, Place, PlainLanguage, MorePlainLanguage };

// The book's meaning with the number filled into its first blank:
// «для ..... (число) человек» → «для 20 человек», «..... (число футов или
// метров)» → «7,5 (футов или метров)», «курс .....» → «курс 045°».
std::string withNumber(std::string_view text, std::string_view figures, std::string_view unit) {
    const std::string number = russianFigures(figures);
    std::string filled(text);
    const std::string counted = std::string(kBlank) + " (число";
    if (const std::size_t at = filled.find(counted); at != std::string::npos) {
        const std::size_t close = filled.find(')', at);
        if (close != std::string::npos) {
            std::string inside = filled.substr(at + counted.size(), close - at - counted.size());
            if (!inside.empty() && inside.front() == ' ') inside.erase(0, 1);
            const std::string replacement = inside.empty() ? number : number + " (" + inside + ')';
            return filled.replace(at, close + 1 - at, replacement);
        }
    }
    if (const std::size_t at = filled.find(kBlank); at != std::string::npos) {
        std::size_t end = at;
        while (end < filled.size() && filled[end] == '.') ++end;
        return filled.replace(at, end - at, number + std::string(unit));
    }
    return filled + " Число: " + number + std::string(unit) + '.';
}

struct GroupResult {
    std::optional<ReadGroup> group;
    std::string reason;
};

GroupResult refused(std::string reason) { return {std::nullopt, std::move(reason)}; }

GroupResult read(GroupKind kind, std::string text, std::string code, std::string value, std::string meaning) {
    return {ReadGroup{std::move(text), kind, std::move(code), std::move(value), std::move(meaning)}, {}};
}

// A code of the book followed by a number or the digit of a table.
GroupResult readCodeWithFigures(const CodeBook& book, const std::string& group) {
    const GroupTakesTable& takesTable = GroupTakesTable::shipped();
    std::optional<std::string> codeWithoutNumbers;
    for (std::size_t length = std::min<std::size_t>(3, group.size() - 1); length >= 2; --length) {
        const std::string code = group.substr(0, length);
        const std::string rest = group.substr(length);
        const auto meaning = meaningOf(book, code);
        if (!meaning || !isNumber(rest)) continue;
        const GroupTakes& takes = takesTable.of(code);
        if (takes.table) {
            if (rest.size() != 1)
                return refused("За сигналом " + code + " ставят одну цифру таблицы " +
                               std::string(complementTableOf(*takes.table)->roman) + '.');
            const auto row = SignalCode::tableRow(*takes.table, rest[0] - '0');
            const auto rowMeaning = row ? meaningOf(book, *row) : std::nullopt;
            if (!rowMeaning)
                return refused("В таблице " + std::string(complementTableOf(*takes.table)->roman) + " нет строки " +
                               rest + '.');
            return read(GroupKind::Signal, group, code, rest, withTableRow(meaning->text, *rowMeaning));
        }
        if (takes.number)
            return read(GroupKind::SignalWithNumber, group, code, rest,
                        withNumber(trimmedMeaning(meaning->text), rest, takes.unit));
        if (!codeWithoutNumbers) codeWithoutNumbers = code;
    }
    if (codeWithoutNumbers)
        return refused("Значение сигнала " + *codeWithoutNumbers +
                       " не принимает числа, а другой группы с такими буквами в своде нет.");
    return refused("");
}

GroupResult readOne(const CodeBook& book, const std::string& group, Slot slot) {
    // Plain language goes on until a code: the first group after YZ is a
    // word whatever its letters.
    if (slot == Slot::PlainLanguage && allLetters(group))
        return read(GroupKind::SpelledWord, group, {}, group, "открытым текстом: " + group);
    if (const auto meaning = meaningOf(book, group))
        return read(GroupKind::Signal, group, group, {}, std::string(trimmedMeaning(meaning->text)));
    if (looksLikeComplement(group)) {
        ComplementReading complement = readComplement(book, group);
        if (!complement.ok()) return refused(std::move(complement.reason));
        return read(GroupKind::Complement, group, group.substr(0, 1), group.substr(1), std::move(complement.meaning));
    }
    if (GroupResult withFigures = readCodeWithFigures(book, group); withFigures.group || !withFigures.reason.empty())
        return withFigures;
    switch (slot) {
        case Slot::Addressee:
            if (isCallSignShape(group))
                return read(GroupKind::CallSign, group, {}, group,
                            "опознавательный сигнал станции, которой адресован сигнал: " + group);
            break;
        case Slot::Vessel:
            // A ship's identity signal has four letters, or letters and
            // figures; a longer word of letters is its name.
            if (isCallSignShape(group) && (group.size() <= 4 || !allLetters(group)))
                return read(GroupKind::CallSign, group, {}, group,
                            "опознавательный сигнал судна или станции: " + group);
            if (allLetters(group)) return read(GroupKind::SpelledWord, group, {}, group, "название судна: " + group);
            break;
        case Slot::Place:
            if (allLetters(group)) return read(GroupKind::SpelledWord, group, {}, group, "название места: " + group);
            break;
        case Slot::MorePlainLanguage:
            if (allLetters(group)) return read(GroupKind::SpelledWord, group, {}, group, "открытым текстом: " + group);
            break;
        case Slot::PlainLanguage:
        case Slot::None: break;
    }
    if (std::all_of(group.begin(), group.end(), [](char c) { return isDigit(c) || c == '.'; }))
        return refused(
            "Цифры без букв ничего не значат: число ставят в одну группу с сигналом, значение которого "
            "его принимает (DI20).");
    if (isCallSignShape(group))
        return refused(
            "Такого сигнала в своде нет. Буквы, которые не код, читаются как опознавательный сигнал "
            "первой группой сообщения или после сигнала, называющего судно, и как название — после YZ "
            "или после сигнала, за которым следует название места или судна.");
    return refused("Такого сигнала в своде нет.");
}

Slot slotAfter(const ReadGroup& group, Slot current) {
    switch (group.kind) {
        case GroupKind::SpelledWord:
            // A name may take several words.
            return current == Slot::PlainLanguage ? Slot::MorePlainLanguage : current;
        case GroupKind::Signal:
        case GroupKind::SignalWithNumber: {
            if (group.code == kPlainLanguage) return Slot::PlainLanguage;
            const GroupTakes& takes = GroupTakesTable::shipped().of(group.code);
            if (takes.vessel) return Slot::Vessel;
            if (takes.place) return Slot::Place;
            return Slot::None;
        }
        case GroupKind::Complement:
        case GroupKind::CallSign: return Slot::None;
    }
    return Slot::None;
}

std::vector<std::string> wordsOf(std::string_view line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
        while (at < line.size() && isSpace(line[at])) ++at;
        std::size_t end = at;
        while (end < line.size() && !isSpace(line[end])) ++end;
        if (end > at) words.emplace_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

}  // namespace

MessageReading readMessage(const CodeBook& book, std::span<const std::string> groups) {
    MessageReading reading;
    Slot slot = Slot::Addressee;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const auto group = readGroup(groups[i]);
        if (!group) {
            reading.refusal = GroupRefusal{i, groups[i],
                                           "Это не группа флагов: в группе бывают только латинские буквы (или похожие "
                                           "на них русские), цифры и десятичная запятая."};
            return reading;
        }
        GroupResult result = readOne(book, *group, slot);
        if (!result.group) {
            reading.refusal = GroupRefusal{i, *group, std::move(result.reason)};
            return reading;
        }
        slot = slotAfter(*result.group, slot);
        reading.groups.push_back(std::move(*result.group));
    }
    return reading;
}

MessageReading readMessage(const CodeBook& book, std::string_view line) {
    const std::vector<std::string> groups = wordsOf(line);
    return readMessage(book, std::span<const std::string>(groups));
}

std::string_view kindName(GroupKind kind) {
    switch (kind) {
        case GroupKind::Signal: return "сигнал свода";
        case GroupKind::SignalWithNumber: return "сигнал свода с числом";
        case GroupKind::Complement: return "однобуквенный сигнал с дополнением";
        case GroupKind::CallSign: return "опознавательный сигнал";
        case GroupKind::SpelledWord: return "слово, набранное флагами";
    }
    return {};
}

}  // namespace mss::codebook::message
