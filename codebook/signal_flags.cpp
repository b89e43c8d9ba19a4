// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal_flags.h"

namespace mss::codebook {

namespace {

using enum FlagKind;

// clang-format off
constexpr std::array<SignalFlag, kSignalFlagCount> kSignalFlags{{
    {0, Letter, 'A', "A", "флаг A", "Алфа", ".-"},
    {1, Letter, 'B', "B", "флаг B", "Браво", "-..."},
    {2, Letter, 'C', "C", "флаг C", "Чарли или Шарли", "-.-."},
    {3, Letter, 'D', "D", "флаг D", "Дэлта", "-.."},
    {4, Letter, 'E', "E", "флаг E", "Эко", "."},
    {5, Letter, 'F', "F", "флаг F", "Фокстрот", "..-."},
    {6, Letter, 'G', "G", "флаг G", "Голф", "--."},
    {7, Letter, 'H', "H", "флаг H", "Хотэл", "...."},
    {8, Letter, 'I', "I", "флаг I", "Индиа", ".."},
    {9, Letter, 'J', "J", "флаг J", "Джулиэт", ".---"},
    {10, Letter, 'K', "K", "флаг K", "Кило", "-.-"},
    {11, Letter, 'L', "L", "флаг L", "Лима", ".-.."},
    {12, Letter, 'M', "M", "флаг M", "Майк", "--"},
    {13, Letter, 'N', "N", "флаг N", "Новэмбэр", "-."},
    {14, Letter, 'O', "O", "флаг O", "Оска", "---"},
    {15, Letter, 'P', "P", "флаг P", "Папа", ".--."},
    {16, Letter, 'Q', "Q", "флаг Q", "Кэбэк", "--.-"},
    {17, Letter, 'R', "R", "флаг R", "Роумио", ".-."},
    {18, Letter, 'S', "S", "флаг S", "Сиэра", "..."},
    {19, Letter, 'T', "T", "флаг T", "Тангоу", "-"},
    {20, Letter, 'U', "U", "флаг U", "Юниформ или Униформ", "..-"},
    {21, Letter, 'V', "V", "флаг V", "Викта", "...-"},
    {22, Letter, 'W', "W", "флаг W", "Уиски", ".--"},
    {23, Letter, 'X', "X", "флаг X", "Эксрэй", "-..-"},
    {24, Letter, 'Y', "Y", "флаг Y", "Янки", "-.--"},
    {25, Letter, 'Z', "Z", "флаг Z", "Зулу", "--.."},
    {26, Numeral, '1', "1", "вымпел 1", "Унауан", ".----"},
    {27, Numeral, '2', "2", "вымпел 2", "Биссоту", "..---"},
    {28, Numeral, '3', "3", "вымпел 3", "Тэратри", "...--"},
    {29, Numeral, '4', "4", "вымпел 4", "Картэфоур", "....-"},
    {30, Numeral, '5', "5", "вымпел 5", "Пантафайв", "....."},
    {31, Numeral, '6', "6", "вымпел 6", "Соксисикс", "-...."},
    {32, Numeral, '7', "7", "вымпел 7", "Сэтэсэвн", "--..."},
    {33, Numeral, '8', "8", "вымпел 8", "Октоэйт", "---.."},
    {34, Numeral, '9', "9", "вымпел 9", "Ноувэнайнэ", "----."},
    {35, Numeral, '0', "0", "вымпел 0", "Надазэро", "-----"},
    {36, Substitute, 0, "1-й заменяющий", "1-й заменяющий вымпел", "", ""},
    {37, Substitute, 0, "2-й заменяющий", "2-й заменяющий вымпел", "", ""},
    {38, Substitute, 0, "3-й заменяющий", "3-й заменяющий вымпел", "", ""},
    {39, AnsweringPennant, '.', "ответный вымпел", "ответный вымпел", "", ".-.-.-"},
}};
// clang-format on

constexpr bool tableIsInOrder() {
    for (int k = 0; k < kSignalFlagCount; ++k) {
        const SignalFlag& f = kSignalFlags[static_cast<std::size_t>(k)];
        if (f.index != k) return false;
        if (k < kFlagCount && (f.symbol != symbolOfFlag(k) || f.shortName != std::string_view(&f.symbol, 1)))
            return false;
        if (isSubstitute(k) != (f.kind == Substitute)) return false;
    }
    return kSignalFlags[kAnsweringPennant].kind == AnsweringPennant;
}
static_assert(tableIsInOrder());

}  // namespace

const std::array<SignalFlag, kSignalFlagCount>& signalFlags() { return kSignalFlags; }

const SignalFlag& signalFlag(int index) { return kSignalFlags.at(static_cast<std::size_t>(index)); }

}  // namespace mss::codebook
