// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/keyboard_layout.h"

#include <array>

#include "engine/window_names.h"

namespace mss::forms {

namespace {

// The typewriter rows of every keyboard: where each row stands and how far
// apart its keys are.
struct KeyRowPlace {
    int top, firstLeft, pitch;
};
constexpr std::array<KeyRowPlace, engine::kTypewriterRows.size()> kKeyRows{{
    {840, 1320, 760},
    {1320, 1320, 760},
    {1800, 1800, 735},
    {2280, 2280, 820},
}};
constexpr int kFlagKeyWidth = 495;
constexpr int kWideKeyWidth = 1215;
constexpr int kKeyHeight = 375;
constexpr int kBottomRowTop = 2880;
constexpr int kExitLeft = 5280;

}  // namespace

const KeyboardLayout& keyboardLayout(Keyboard keyboard) {
    // clang-format off
    static const std::array<KeyboardLayout, engine::kKeyboards.size()> keyboards{{
        {{engine::nameOf(Keyboard::SingleLetter), 960, 4080, 9975, 3615, -1, true}, QStringLiteral("Однобуквенный сигнал"),
         QStringLiteral("Гром и молния! Выходим в море?"), 3600, 38, -1, 40, 39},
        {{engine::nameOf(Keyboard::FirstFlag), 960, 4080, 9975, 3615, -1, false}, QStringLiteral("Первый флаг двухбуквенного сигнала МСС"),
         QStringLiteral("Три тысячи чертей! Уходим в море?!"), 3600, 48, 1, 46, 47},
        // Two spaces after "буква" and before "цифра".
        {{engine::nameOf(Keyboard::SecondLetter), 960, 4080, 9975, 3615, -1, false},
         QStringLiteral("Вторая буква  двухбуквенного или трехбуквенного сигнала"),
         QStringLiteral("Три тысячи чертей! Уходим в море?!"), 3600, 124, -1, 126, 125},
        {{engine::nameOf(Keyboard::ThirdLetter), 953, 4080, 9975, 3615, -1, false},
         QStringLiteral("Третья буква трехбуквенного сигнала или  цифра Таблицы дополнений"),
         QStringLiteral("Три тысячи чертей! Отдать швартовы?!"), 3480, 130, 1, 208, 207},
    }};
    // clang-format on
    return keyboards.at(engine::slotOf(keyboard));
}

ControlLayout keyLayout(const engine::KeyDefinition& key) {
    const KeyboardLayout& keyboard = keyboardLayout(key.id.keyboard);
    switch (key.id.role) {
        case engine::KeyRole::About:
            return {{}, keyboard.aboutLeft, kBottomRowTop, kWideKeyWidth, kKeyHeight, keyboard.aboutTab};
        case engine::KeyRole::Exit: return {{}, kExitLeft, kBottomRowTop, kWideKeyWidth, kKeyHeight, keyboard.exitTab};
        case engine::KeyRole::Flag: break;
    }
    const KeyRowPlace& row = kKeyRows.at(static_cast<std::size_t>(key.typewriterRow));
    int readingPlace = key.placeInRow;
    for (int r = 0; r < key.typewriterRow; ++r)
        readingPlace += static_cast<int>(engine::kTypewriterRows[static_cast<std::size_t>(r)].size());
    return {{},         row.firstLeft + row.pitch * key.placeInRow,
            row.top,    kFlagKeyWidth,
            kKeyHeight, keyboard.firstKeyTab + keyboard.keyTabStep * readingPlace};
}

}  // namespace mss::forms
