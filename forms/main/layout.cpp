// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/main/layout.h"

#include <array>
#include <stdexcept>

#include "codebook/section.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {

const QString kTablesToolTip =
    QStringLiteral("Цифра из Таблицы дополнений, которые вы найдете в разделе \"Морские законы\"");

// A section button reads its section's title as the code book gives it.
QString titleOf(Section section) { return toQString(codebook::infoOf(section).title); }

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
        {{{engine::nameOf(Section::SingleLetter), 3300, 1680, 1575, 495, 42}, titleOf(Section::SingleLetter),
          QStringLiteral("Однобуквенный сигнал МСС")}, true},
        {{{engine::nameOf(Section::General), 5216, 1680, 1575, 495, 43}, titleOf(Section::General),
          QStringLiteral("Двухбуквенный сигнал: 2 буквы или 2 буквы + 1 цифра")}, true},
        {{{engine::nameOf(Section::Medical), 7133, 1680, 1575, 495, 44}, titleOf(Section::Medical),
          QStringLiteral("Трехбуквенный сигнал: три буквы")}, true},
        {{{engine::nameOf(Section::TableI), 3300, 2280, 1575, 495, 87}, titleOf(Section::TableI),
          QStringLiteral("Таблицы дополнений вы найдете в разделе \"Морские законы\" ") + kClubAddress}, false},
        {{{engine::nameOf(Section::TableII), 5216, 2280, 1575, 495, 166}, titleOf(Section::TableII), kTablesToolTip}, false},
        {{{engine::nameOf(Section::TableIII), 7133, 2280, 1575, 495, 167}, titleOf(Section::TableIII), kTablesToolTip + QStringLiteral(" ")},
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
