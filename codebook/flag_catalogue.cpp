// SPDX-License-Identifier: GPL-3.0-or-later
#include "flag_catalogue.h"

namespace mss::codebook {

namespace {

constexpr std::array<FlagEntry, kFlagCount> kCatalogue{{
    {0, 'A', "Aa", "Алфа"},
    {1, 'B', "Bb", "Браво"},
    {2, 'C', "Cc", "Чарли или Шарли"},
    {3, 'D', "Dd", "Дэлта"},
    {4, 'E', "Ee", "Эко"},
    {5, 'F', "Ff", "Фокстрот"},
    {6, 'G', "Gg", "Голф"},
    {7, 'H', "Hh", "Хотэл"},
    {8, 'I', "Ii", "Индиа"},
    {9, 'J', "Jj", "Джулиэт"},
    {10, 'K', "Kk", "Кило"},
    {11, 'L', "Ll", "Лима"},
    {12, 'M', "Mm", "Майк"},
    {13, 'N', "Nn", "Новэмбэр"},
    {14, 'O', "Oo", "Оска"},
    {15, 'P', "Pp", "Папа"},
    {16, 'Q', "Qq", "Кэбэк"},
    {17, 'R', "Rr", "Роумио"},
    {18, 'S', "Ss", "Сиэра"},
    {19, 'T', "Tt", "Тангоу"},
    {20, 'U', "Uu", "Юниформ или Униформ"},
    {21, 'V', "Vv", "Викта"},
    {22, 'W', "Ww", "Уиски"},
    {23, 'X', "Xx", "Эксрэй"},
    {24, 'Y', "Yy", "Янки"},
    {25, 'Z', "Zz", "Зулу"},
    {26, '1', "1", "Унауан"},
    {27, '2', "2", "Биссоту"},
    {28, '3', "3", "Тэратри"},
    {29, '4', "4", "Картэфоур"},
    {30, '5', "5", "Пантафайв"},
    {31, '6', "6", "Соксисикс"},
    {32, '7', "7", "Сэтэсэвн"},
    {33, '8', "8", "Октоэйт"},
    {34, '9', "9", "Ноувэнайнэ"},
    {35, '0', "0", "Надазэро"},
}};

}  // namespace

const std::array<FlagEntry, kFlagCount>& flagCatalogue() { return kCatalogue; }

const FlagEntry& flagEntry(int index) { return kCatalogue.at(static_cast<std::size_t>(index)); }

}  // namespace mss::codebook
