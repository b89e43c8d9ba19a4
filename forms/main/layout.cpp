// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/layout.h"

#include <array>
#include <stdexcept>

namespace mss::forms {

namespace {

const QString kTablesToolTip =
    QStringLiteral("Цифра из Таблицы дополнений, которые вы найдете в разделе \"Морские законы\"");

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

const WindowLayout& mainWindowLayout() {
    static const WindowLayout form{QStringLiteral("Морская обучающая программа \"Фарлин\""), 11880, 7890};
    return form;
}

const TextControlLayout& titleLayout() {
    static const TextControlLayout c{{"AniLabel1", 2835, 600, 6225, 480},
                                     QStringLiteral("Международный свод сигналов"), {}};
    return c;
}

const TextControlLayout& shipLayout() {
    static const TextControlLayout c{{"Image1", 10800, 0, 975, 1275},
                                     {},
                                     QStringLiteral("Морской интернет-клуб \"Фарлин\" на ") + kClubAddress};
    return c;
}

const TextControlLayout& tablesNoteLayout() {
    static const TextControlLayout c{{engine::nameOf(engine::Element::TablesNote), 3240, 3000, 5430, 195, -1, false},
                                     QStringLiteral("Таблицы приведены в разделе Морские законы программы"), {}};
    return c;
}

const TextControlLayout& hoistLayout(HoistPosition position) {
    static const std::array<TextControlLayout, engine::kHoistPositions.size()> positions{{
        {{engine::nameOf(HoistPosition::First), 240, 120, 1425, 960}, {}, QStringLiteral("Флаг однобуквенного сигнала или первый флаг ")},
        {{engine::nameOf(HoistPosition::Second), 240, 1200, 1425, 960}, {},
         QStringLiteral("Второй флаг двухбуквенного или трехбуквенного сигнала МСС")},
        {{engine::nameOf(HoistPosition::Third), 240, 2280, 1425, 960}, {},
         QStringLiteral("Третий флаг двухбуквенного или трехбуквенного сигнала МСС")},
    }};
    return positions.at(engine::slotOf(position));
}

const TextControlLayout& medicalMLayout() {
    static const TextControlLayout c{{engine::nameOf(engine::Element::MedicalFlagM), 240, 120, 1425, 960, -1, false}, {}, {}};
    return c;
}

const SectionButtonLayout& sectionLayout(Section section) {
    static const std::array<SectionButtonLayout, codebook::kSectionCount> sections{{
        {{{engine::nameOf(Section::SingleLetter), 3300, 1680, 1575, 495, 42}, QStringLiteral("Однобуквенные сигналы"),
          QStringLiteral("Однобуквенный сигнал МСС")}, true},
        {{{engine::nameOf(Section::General), 5216, 1680, 1575, 495, 43}, QStringLiteral("Общий раздел"),
          QStringLiteral("Двухбуквенный сигнал: 2 буквы или 2 буквы + 1 цифра")}, true},
        {{{engine::nameOf(Section::Medical), 7133, 1680, 1575, 495, 44}, QStringLiteral("Медицинский раздел"),
          QStringLiteral("Трехбуквенный сигнал: три буквы")}, true},
        {{{engine::nameOf(Section::TableI), 3300, 2280, 1575, 495, 87}, QStringLiteral("Таблица I"),
          QStringLiteral("Таблицы дополнений вы найдете в разделе \"Морские законы\" ") + kClubAddress}, false},
        {{{engine::nameOf(Section::TableII), 5216, 2280, 1575, 495, 166}, QStringLiteral("Таблица II"), kTablesToolTip}, false},
        {{{engine::nameOf(Section::TableIII), 7133, 2280, 1575, 495, 167}, QStringLiteral("Таблица III"), kTablesToolTip + QStringLiteral(" ")},
         false},
    }};
    return sections.at(codebook::slotOf(section));
}

const TextControlLayout& drillButtonLayout() {
    static const TextControlLayout c{{"DrillButton", 9060, 1680, 1575, 495, 167}, QStringLiteral("Тренировка"),
                                     QStringLiteral("Тренировка: узнать флаги и значения сигналов (F2); зачёт по билетам (F3)")};
    return c;
}

const TextControlLayout& searchButtonLayout() {
    static const TextControlLayout c{{"SearchButton", 9060, 2280, 1575, 495, 167}, QStringLiteral("Поиск"),
                                     QStringLiteral("Найти сигнал по значению или коду (Ctrl+F)")};
    return c;
}

const ControlLayout& listLayout(CodeList list) {
    static const std::array<ControlLayout, codebook::kCodeListCount> lists{{
        {engine::nameOf(engine::elementOf(CodeList::SingleLetter)), 240, 3480, 11415, 315, 41, true},
        {engine::nameOf(engine::elementOf(CodeList::GeneralAToJ)), 240, 3480, 11415, 315, 84, false},
        {engine::nameOf(engine::elementOf(CodeList::GeneralJToQ)), 240, 3480, 11415, 315, 85, false},
        {engine::nameOf(engine::elementOf(CodeList::GeneralRToZ)), 240, 3480, 11415, 315, 86, false},
        {engine::nameOf(engine::elementOf(CodeList::Medical)), 240, 3480, 11415, 315, 127, false},
        {engine::nameOf(engine::elementOf(CodeList::Complements)), 240, 3480, 11415, 315, 168, false},
    }};
    return lists.at(codebook::slotOf(list));
}

const KeyboardLayout& keyboardLayout(Keyboard keyboard) {
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
    return keyboards.at(engine::slotOf(keyboard));
}

ControlLayout keyLayout(const engine::KeyDefinition& key) {
    const KeyboardLayout& keyboard = keyboardLayout(key.id.keyboard);
    switch (key.id.role) {
        case engine::KeyRole::About:
            return {{}, keyboard.aboutLeft, kBottomRowTop, kWideKeyWidth, kKeyHeight, keyboard.aboutTab};
        case engine::KeyRole::Exit:
            return {{}, kExitLeft, kBottomRowTop, kWideKeyWidth, kKeyHeight, keyboard.exitTab};
        case engine::KeyRole::Flag: break;
    }
    const KeyRowPlace& row = kKeyRows.at(static_cast<std::size_t>(key.typewriterRow));
    int readingPlace = key.placeInRow;
    for (int r = 0; r < key.typewriterRow; ++r)
        readingPlace += static_cast<int>(engine::kTypewriterRows[static_cast<std::size_t>(r)].size());
    return {{}, row.firstLeft + row.pitch * key.placeInRow, row.top, kFlagKeyWidth, kKeyHeight,
            keyboard.firstKeyTab + keyboard.keyTabStep * readingPlace};
}

const WindowLayout& aboutWindowLayout() {
    static const WindowLayout form{QStringLiteral("О программе ") + kNameInWindows, 4680, 3090};
    return form;
}

std::span<const AboutControlLayout> aboutWindowControls() {
    static const std::array<AboutControlLayout, 6> controls{{
        {{{"Label1", 1245, 120, 2205, 330}, QStringLiteral("Международный"), {}}, 14.25, false},
        {{{"Label2", 1410, 480, 1875, 330}, QStringLiteral("свод сигналов"), {}}, 14.25, false},
        {{{"AniLabel2", 1673, 840, 1335, 390}, kNameInWindows, {}}, 18, true},
        {{{"Label4", 1815, 1440, 1065, 225}, QStringLiteral("Версия 1.0.0"), {}}, 9.75, false},
        {{{"AniLabel1", 1628, 1920, 1425, 285}, kAuthorName, {}}, 12, true},
        {{{"Command1", 2040, 2400, 735, 495}, QStringLiteral("ОК"), {}}, 0, false},
    }};
    return controls;
}

}  // namespace mss::forms
