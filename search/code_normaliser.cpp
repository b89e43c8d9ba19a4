// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_normaliser.h"

#include "utf8_decoder.h"

namespace mss::search {

namespace {

constexpr char kNotACodeChar = 0;
constexpr char kSeparator = '-';
constexpr char kDecimalPoint = '.';

// The Latin capital that a typed character stands for in a code, a digit, a
// separator between a table and its digit, the decimal point of a group, or
// kNotACodeChar.
char codeCharOf(char32_t c) {
    if (c >= U'A' && c <= U'Z') return static_cast<char>(c);
    if (c >= U'a' && c <= U'z') return static_cast<char>(c - U'a' + U'A');
    if (c >= U'0' && c <= U'9') return static_cast<char>(c);
    switch (c) {
        case U'А': case U'а': return 'A';
        case U'В': case U'в': return 'B';
        case U'Е': case U'е': return 'E';
        case U'К': case U'к': return 'K';
        case U'М': case U'м': return 'M';
        case U'Н': case U'н': return 'H';
        case U'О': case U'о': return 'O';
        case U'Р': case U'р': return 'P';
        case U'С': case U'с': return 'C';
        case U'Т': case U'т': return 'T';
        case U'Х': case U'х': return 'X';
        case U'У': case U'у': return 'Y';
        case U'І': case U'і': return 'I';
        // Hyphen, the Unicode hyphens and dashes, minus, and a space.
        case U'-': case U'\u2010': case U'\u2011': case U'\u2012': case U'\u2013':
        case U'\u2014': case U'\u2015': case U'\u2212': case U' ':
            return kSeparator;
        case U'.': case U',': return kDecimalPoint;
        default: return kNotACodeChar;
    }
}

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

// "I", "II" or "III", separators, one digit → "I-3".
std::optional<std::string> tableCode(std::string_view chars) {
    std::size_t numeral = 0;
    while (numeral < chars.size() && chars[numeral] == 'I') ++numeral;
    if (numeral == 0 || numeral > 3) return std::nullopt;
    std::size_t digit = numeral;
    while (digit < chars.size() && chars[digit] == kSeparator) ++digit;
    if (digit == numeral || digit + 1 != chars.size() || !isDigit(chars[digit])) return std::nullopt;
    return std::string(numeral, 'I') + kSeparator + chars[digit];
}

// One to three letters and at most one digit → "AE1".
std::optional<std::string> signalCode(std::string_view chars) {
    std::size_t letters = 0;
    while (letters < chars.size() && isLetter(chars[letters])) ++letters;
    if (letters == 0 || letters > 3) return std::nullopt;
    const std::size_t digits = chars.size() - letters;
    if (digits > 1 || (digits == 1 && !isDigit(chars.back()))) return std::nullopt;
    return std::string(chars);
}

// The characters of a typed text as code characters; nothing for text that
// is no UTF-8 or holds a character no code has.
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

}  // namespace

std::optional<std::string> normaliseCode(std::string_view typed) {
    const std::string_view text = trimmed(typed);
    constexpr std::size_t kLongestTypedCode = 24;  // "III - 9" in dashes, with room to spare
    if (text.empty() || text.size() > kLongestTypedCode) return std::nullopt;

    const auto chars = codeCharsOf(text);
    if (!chars) return std::nullopt;
    if (chars->find(kSeparator) != std::string::npos) return tableCode(*chars);
    return signalCode(*chars);
}

std::optional<std::string> normaliseGroup(std::string_view typed) {
    auto chars = codeCharsOf(trimmed(typed));
    if (!chars || chars->empty() || chars->find(kSeparator) != std::string::npos) return std::nullopt;
    return chars;
}

}  // namespace mss::search
