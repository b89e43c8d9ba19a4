// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/physical_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>
#include <string_view>

#include "codebook/signal_flags.h"
#include "engine/typewriter.h"

namespace mss::forms {

namespace {

using engine::kTypewriterRows;

// X11 key codes (the evdev code plus 8) of the first key of each typewriter
// row, the same on every layout.
constexpr std::array<unsigned, kTypewriterRows.size()> kFirstKeyCodes{10, 24, 38, 52};

std::optional<char> symbolOfScanCode(unsigned code) {
    for (std::size_t r = 0; r < kTypewriterRows.size(); ++r)
        if (code >= kFirstKeyCodes[r] && code < kFirstKeyCodes[r] + kTypewriterRows[r].size())
            return kTypewriterRows[r][code - kFirstKeyCodes[r]];
    return std::nullopt;
}

// Where the platform gives no key code: a letter of the Russian layout
// stands for the key it is on.
std::optional<char> symbolOfRussianLetter(char16_t upper) {
    if (const char symbol = engine::symbolUnderRussianLetter(upper)) return symbol;
    return std::nullopt;
}

std::optional<char> digitUnderShiftedSign(int qtKey, const QString& text) {
    switch (qtKey) {
        case Qt::Key_Exclam: return '1';
        case Qt::Key_At: case Qt::Key_QuoteDbl: return '2';
        case Qt::Key_NumberSign: return '3';
        case Qt::Key_ParenRight: return '0';
        default: return text == QStringLiteral("№") ? std::optional<char>('3') : std::nullopt;
    }
}

}  // namespace

std::optional<char> symbolOfKey(unsigned x11KeyCode, int qtKey, const QString& text) {
    if (x11KeyCode != 0) return symbolOfScanCode(x11KeyCode);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<char>('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<char>('0' + (qtKey - Qt::Key_0));
    if (text.size() == 1) return symbolOfRussianLetter(text.at(0).toUpper().unicode());
    return std::nullopt;
}

std::optional<int> flagOfKeyPress(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    std::optional<char> symbol = symbolOfKey(x11 ? event.nativeScanCode() : 0, event.key(), event.text());
    if (event.modifiers() & Qt::ShiftModifier) {
        // Without a key code, Shift and a digit arrive as the sign above it,
        // on the English or the Russian layout.
        if (!symbol) symbol = digitUnderShiftedSign(event.key(), event.text());
        if (symbol && *symbol >= '1' && *symbol <= '3') return codebook::substituteFlag(*symbol - '0');
        if (symbol == '0') return codebook::kAnsweringPennant;
    }
    if (!symbol) return std::nullopt;
    return codebook::flagIndexOfSymbol(*symbol);
}

std::optional<char> symbolOfKeyPress(const QKeyEvent& event) {
    // Shortcuts with Ctrl or Alt are not typing.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    return symbolOfKey(x11 ? event.nativeScanCode() : 0, event.key(), event.text());
}

}  // namespace mss::forms
