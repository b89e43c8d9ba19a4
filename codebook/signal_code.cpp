// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal_code.h"

#include <algorithm>

#include "key_rows.h"
#include "look_alikes.h"
#include "signal_directory.h"
#include "utf8.h"

namespace mss::codebook {

namespace {

constexpr char kNotACodeChar = 0;
constexpr char kTableSeparator = '-';
constexpr char kDecimalPoint = '.';

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

// The Latin capital that a typed character stands for in a code, a digit, a
// separator between a table and its digit, or kNotACodeChar.
char codeCharOf(char32_t c) {
    if (c >= U'A' && c <= U'Z') return static_cast<char>(c);
    if (c >= U'a' && c <= U'z') return static_cast<char>(c - U'a' + U'A');
    if (c >= U'0' && c <= U'9') return static_cast<char>(c);
    if (const char latin = latinLookAlike(c)) return latin;
    switch (c) {
        // Hyphen, the Unicode hyphens and dashes, minus, and a space.
        case U'-': case U'\u2010': case U'\u2011': case U'\u2012': case U'\u2013':
        case U'\u2014': case U'\u2015': case U'\u2212': case U' ':
            return kTableSeparator;
        case U'.': case U',': return kDecimalPoint;
        default: return kNotACodeChar;
    }
}

const ComplementTable* tableOfRoman(std::string_view roman) {
    for (const auto& t : kComplementTables)
        if (t.roman == roman) return &t;
    return nullptr;
}

// The characters of a typed text as code characters; nothing for text that
// is no UTF-8 or holds a character no code or group has.
std::optional<std::string> codeCharsOf(std::string_view text) {
    std::string chars;
    for (std::size_t at = 0; at < text.size();) {
        const DecodedChar decoded = decodeUtf8At(text, at);
        if (!decoded.valid) return std::nullopt;
        const char c = codeCharOf(decoded.codePoint);
        if (c == kNotACodeChar) return std::nullopt;
        chars.push_back(c);
        at += decoded.length;
    }
    return chars;
}

bool isLatin(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }
bool isCyrillic(char32_t c) { return c >= U'\u0400' && c <= U'\u045F'; }

char32_t capitalOf(char32_t cyrillic) {
    if (cyrillic >= U'\u0430' && cyrillic <= U'\u044F') return cyrillic - 0x20;
    if (cyrillic >= U'\u0450' && cyrillic <= U'\u045F') return cyrillic - 0x50;
    return cyrillic;
}

// The text with each Cyrillic letter put as the Latin letter of its key;
// nothing when a letter sits on no letter key.
std::optional<std::string> byKeyPlace(std::string_view text) {
    std::string latin;
    for (std::size_t at = 0; at < text.size();) {
        const DecodedChar c = decodeUtf8At(text, at);
        if (!c.valid) return std::nullopt;
        if (isCyrillic(c.codePoint)) {
            const char symbol = symbolUnderRussianLetter(capitalOf(c.codePoint));
            if (symbol == 0) return std::nullopt;
            latin.push_back(symbol);
        } else {
            latin.append(text.substr(at, c.length));
        }
        at += c.length;
    }
    return latin;
}

struct ScriptsTyped {
    bool latin = false;
    bool cyrillic = false;
    bool allLookLatin = true;  // every Cyrillic letter looks like its Latin twin as written
};

ScriptsTyped scriptsOf(std::string_view text) {
    ScriptsTyped typed;
    for (std::size_t at = 0; at < text.size();) {
        const DecodedChar c = decodeUtf8At(text, at);
        at += c.length;
        if (!c.valid) continue;
        typed.latin = typed.latin || isLatin(c.codePoint);
        if (isCyrillic(c.codePoint)) {
            typed.cyrillic = true;
            typed.allLookLatin = typed.allLookLatin && looksLatinAsWritten(c.codePoint);
        }
    }
    return typed;
}

// The codes a typed text stands for by its letters: none, one, or for a
// table's Roman number run into a digit both readings («II5»: II5, II-5).
std::vector<SignalCode> codesOfLetters(std::string_view typed) {
    const std::string_view text = trimmed(typed);
    constexpr std::size_t kLongestTypedCode = 24;  // "III - 9" in dashes, with room to spare
    if (text.empty() || text.size() > kLongestTypedCode) return {};

    const auto read = codeCharsOf(text);
    if (!read || read->find(kDecimalPoint) != std::string::npos) return {};
    const std::string& chars = *read;
    std::vector<SignalCode> codes;
    const auto separator = chars.find(kTableSeparator);
    if (separator == std::string::npos) {
        if (auto code = SignalCode::parse(chars)) codes.push_back(std::move(*code));
        // A table row typed without its dash: «I3», «iii9».
        const std::string roman = chars.substr(0, chars.size() - 1);
        if (isDigit(chars.back()) && tableOfRoman(roman) != nullptr)
            if (auto row = SignalCode::parse(roman + kTableSeparator + chars.back())) codes.push_back(std::move(*row));
        return codes;
    }
    // A table's Roman number, then any run of separators, then its digit.
    const auto digitAt = chars.find_first_not_of(kTableSeparator, separator);
    if (digitAt == std::string::npos) return {};
    if (auto code = SignalCode::parse(chars.substr(0, separator) + kTableSeparator + chars.substr(digitAt)))
        codes.push_back(std::move(*code));
    return codes;
}

}  // namespace

std::optional<SignalCode> SignalCode::singleLetter(char letter) {
    if (!isLetter(letter)) return std::nullopt;
    return SignalCode(std::string(1, letter), Section::SingleLetter);
}

std::optional<SignalCode> SignalCode::general(char first, char second, std::optional<int> complement) {
    if (!isLetter(first) || !isLetter(second)) return std::nullopt;
    std::string text{first, second};
    if (complement) {
        if (*complement < 0 || *complement > 9) return std::nullopt;
        text += static_cast<char>('0' + *complement);
    }
    return SignalCode(std::move(text), Section::General);
}

std::optional<SignalCode> SignalCode::medical(char second, char third) {
    if (!isLetter(second) || !isLetter(third)) return std::nullopt;
    return SignalCode(std::string{kMedicalFirst, second, third}, Section::Medical);
}

std::optional<SignalCode> SignalCode::tableRow(Section table, int digit) {
    const ComplementTable* t = complementTableOf(table);
    if (t == nullptr || digit < 0 || digit > 9) return std::nullopt;
    return SignalCode(std::string(t->roman) + kTableSeparator + static_cast<char>('0' + digit), table);
}

std::optional<SignalCode> SignalCode::parse(std::string_view w) {
    if (const auto dash = w.find(kTableSeparator); dash != std::string_view::npos) {
        const ComplementTable* t = tableOfRoman(w.substr(0, dash));
        if (t == nullptr || w.size() != dash + 2 || !isDigit(w.back())) return std::nullopt;
        return tableRow(t->section, w.back() - '0');
    }
    switch (w.size()) {
        case 1: return singleLetter(w[0]);
        case 2: return general(w[0], w[1]);
        case 3:
            if (isDigit(w[2])) return general(w[0], w[1], w[2] - '0');
            if (w[0] == kMedicalFirst) return medical(w[1], w[2]);
            return std::nullopt;
        default: return std::nullopt;
    }
}

std::optional<std::string> readGroup(std::string_view typed) {
    auto chars = codeCharsOf(trimmed(typed));
    if (!chars || chars->empty() || chars->find(kTableSeparator) != std::string::npos) return std::nullopt;
    return chars;
}

std::optional<SignalCode> SignalCode::read(std::string_view typed) {
    std::vector<SignalCode> codes = codesOfLetters(typed);
    if (codes.empty()) return std::nullopt;
    return std::move(codes.front());
}

std::vector<SignalCode> SignalCode::readings(std::string_view typed) {
    std::vector<SignalCode> codes;
    const auto add = [&](std::string_view text) {
        for (SignalCode& code : codesOfLetters(text))
            if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(std::move(code));
    };
    // A Latin letter says the layout was Latin: the Cyrillic ones beside it
    // are read by their look alone.
    const ScriptsTyped scripts = scriptsOf(typed);
    const std::optional<std::string> keys = scripts.cyrillic && !scripts.latin ? byKeyPlace(typed) : std::nullopt;
    if (scripts.allLookLatin) add(typed);
    if (keys) add(*keys);
    add(typed);
    return codes;
}

std::optional<SignalCode> SignalCode::ofTyped(Section section, std::string_view typed) {
    if (isComplementTable(section)) {
        if (typed.size() != 1 || !isDigit(typed[0])) return std::nullopt;
        return tableRow(section, typed[0] - '0');
    }
    std::string written(typed);
    if (section == Section::Medical) written.insert(written.begin(), kMedicalFirst);
    auto code = parse(written);
    if (code && code->section() != section) return std::nullopt;
    return code;
}

bool SignalCode::inBook() const { return SignalDirectory::instance().find(text_).has_value(); }

std::optional<int> SignalCode::digit() const {
    if (!isDigit(text_.back())) return std::nullopt;
    return text_.back() - '0';
}

std::string_view SignalCode::group() const {
    const std::string_view t = text_;
    switch (section_) {
        case Section::SingleLetter: return {};
        case Section::General: return t.substr(0, 1);
        case Section::Medical: return t.substr(1, 1);
        default: return t.substr(0, t.find(kTableSeparator));
    }
}

std::string_view SignalCode::hoistSymbols() const {
    const std::string_view t = text_;
    return table() ? t.substr(t.size() - 1) : t;
}

std::string_view SignalCode::typedSymbols() const {
    const std::string_view hoist = hoistSymbols();
    return impliesMedicalM() ? hoist.substr(1) : hoist;
}

FlownHoist SignalCode::flownHoist() const { return encodeHoist(hoistSymbols()).flags; }

std::vector<int> SignalCode::hoistFlags() const { return flagsOf(flownHoist()); }

}  // namespace mss::codebook
