#include "physical_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>
#include <string_view>

namespace mss::forms {

namespace {

// X11 key codes of the typewriter rows (the evdev code plus 8), the same on
// every layout: 1..0, Q..P, A..L, Z..M.
struct Row {
    unsigned firstCode;
    std::string_view symbols;
};
constexpr std::array<Row, 4> kRows{{
    {10, "1234567890"},
    {24, "QWERTYUIOP"},
    {38, "ASDFGHJKL"},
    {52, "ZXCVBNM"},
}};

std::optional<char> symbolOfScanCode(unsigned code) {
    for (const Row& row : kRows)
        if (code >= row.firstCode && code < row.firstCode + row.symbols.size())
            return row.symbols[code - row.firstCode];
    return std::nullopt;
}

// Where the platform gives no key code: the letters of the Russian layout on
// the keys of the Latin ones.
constexpr std::u16string_view kRussianRows = u"ЙЦУКЕНГШЩЗФЫВАПРОЛДЯЧСМИТЬ";
constexpr std::string_view kLatinRows = "QWERTYUIOPASDFGHJKLZXCVBNM";

}  // namespace

std::optional<char> symbolOfKey(unsigned x11KeyCode, int qtKey, const QString& text) {
    if (x11KeyCode != 0) return symbolOfScanCode(x11KeyCode);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<char>('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<char>('0' + (qtKey - Qt::Key_0));
    if (text.size() == 1) {
        const char16_t upper = text.at(0).toUpper().unicode();
        const auto at = kRussianRows.find(upper);
        if (at != std::u16string_view::npos) return kLatinRows[at];
    }
    return std::nullopt;
}

std::optional<char> symbolOfKeyPress(const QKeyEvent& event) {
    // Shortcuts with Ctrl or Alt are not typing.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    return symbolOfKey(x11 ? event.nativeScanCode() : 0, event.key(), event.text());
}

}  // namespace mss::forms
