#include "form_layout.h"

#include <array>

namespace mss::forms {

namespace {

using K = ControlKind;

const QString kTablesToolTip =
    QStringLiteral("Цифра из Таблицы дополнений, которые вы найдете в разделе \"Морские законы\"");

}  // namespace

const WindowSpec& mainWindowSpec() {
    static const WindowSpec form{QStringLiteral("Морская обучающая программа \"Фарлин\""), 11880, 7890};
    return form;
}

std::span<const ControlSpec> mainWindowControls() {
    static const std::array<ControlSpec, 23> controls{{
        {"AniLabel1", K::AnimatedLabel, 2835, 600, 6225, 480, QStringLiteral("Международный свод сигналов"), {},
         Look::Title, true, 206},
        {"Image1", K::Image, 10800, 0, 975, 1275, {},
         QStringLiteral("Морской интернет-клуб \"Фарлин\" на ") + kClubAddress},
        {"Picture1", K::HoistPosition, 240, 120, 1425, 960, {},
         QStringLiteral("Флаг однобуквенного сигнала или первый флаг "), Look::Plain, true, 169, 1},
        {"Picture2", K::HoistPosition, 240, 1200, 1425, 960, {},
         QStringLiteral("Второй флаг двухбуквенного или трехбуквенного сигнала МСС"), Look::Plain, true, 0, 2},
        {"Picture3", K::HoistPosition, 240, 2280, 1425, 960, {},
         QStringLiteral("Третий флаг двухбуквенного или трехбуквенного сигнала МСС"), Look::Plain, true, 1, 3},
        {"Picture5", K::HoistPosition, 240, 120, 1425, 960, {}, {}, Look::Plain, false, 128, 5},
        {"Option1", K::SectionButton, 3300, 1680, 1575, 495, QStringLiteral("Однобуквенные сигналы"),
         QStringLiteral("Однобуквенный сигнал МСС"), Look::DarkButton, true, 42, 1},
        {"Option2", K::SectionButton, 5216, 1680, 1575, 495, QStringLiteral("Общий раздел"),
         QStringLiteral("Двухбуквенный сигнал: 2 буквы или 2 буквы + 1 цифра"), Look::DarkButton, true, 43, 2},
        {"Option3", K::SectionButton, 7133, 1680, 1575, 495, QStringLiteral("Медицинский раздел"),
         QStringLiteral("Трехбуквенный сигнал: три буквы"), Look::DarkButton, true, 44, 3},
        {"Option4", K::SectionButton, 3300, 2280, 1575, 495, QStringLiteral("Таблица I"),
         QStringLiteral("Таблицы дополнений вы найдете в разделе \"Морские законы\" ") + kClubAddress,
         Look::BlueButton, true, 87, 4},
        {"Option5", K::SectionButton, 5216, 2280, 1575, 495, QStringLiteral("Таблица II"), kTablesToolTip,
         Look::BlueButton, true, 166, 5},
        {"Option6", K::SectionButton, 7133, 2280, 1575, 495, QStringLiteral("Таблица III"),
         kTablesToolTip + QStringLiteral(" "), Look::BlueButton, true, 167, 6},
        {"Label1", K::Label, 3240, 3000, 5430, 195,
         QStringLiteral("Таблицы приведены в разделе Морские законы программы"), {}, Look::CyanLabel, false, 209},
        {"Combo1", K::List, 240, 3480, 11415, 315, {}, {}, Look::Plain, true, 41, 0},
        {"Combo2(0)", K::List, 240, 3480, 11415, 315, {}, {}, Look::Plain, false, 84, 1},
        {"Combo2(1)", K::List, 240, 3480, 11415, 315, {}, {}, Look::Plain, false, 85, 2},
        {"Combo2(2)", K::List, 240, 3480, 11415, 315, {}, {}, Look::Plain, false, 86, 3},
        {"Combo4", K::List, 240, 3480, 11415, 315, {}, {}, Look::Plain, false, 168, 5},
        // Combo3 comes after the other lists, so it is drawn over them.
        {"Combo3", K::List, 240, 3480, 11415, 315, {}, {}, Look::Plain, false, 127, 4},
        {"Frame1", K::KeyboardFrame, 960, 4080, 9975, 3615, QStringLiteral("Однобуквенный сигнал"), {},
         Look::Plain, true, 2, 1},
        {"Frame2", K::KeyboardFrame, 960, 4080, 9975, 3615, QStringLiteral("Первый флаг двухбуквенного сигнала МСС"),
         {}, Look::Plain, false, 45, 2},
        // Two spaces after "буква" and before "цифра".
        {"Frame3", K::KeyboardFrame, 960, 4080, 9975, 3615,
         QStringLiteral("Вторая буква  двухбуквенного или трехбуквенного сигнала"), {}, Look::Plain, false, 88, 3},
        {"Frame4", K::KeyboardFrame, 953, 4080, 9975, 3615,
         QStringLiteral("Третья буква трехбуквенного сигнала или  цифра Таблицы дополнений"), {}, Look::Plain, false,
         129, 4},
    }};
    return controls;
}

QColor frameCaptionColour(int frame) {
    switch (frame) {
        case 2: return {128, 255, 255};
        case 3: return {192, 192, 255};
        case 4: return {255, 0, 0};
        default: return {};
    }
}

const WindowSpec& aboutWindowSpec() {
    static const WindowSpec form{QStringLiteral("О программе КРВ-65"), 4680, 3090};
    return form;
}

std::span<const AboutControlSpec> aboutWindowControls() {
    static const std::array<AboutControlSpec, 6> controls{{
        {"Label1", QStringLiteral("Международный"), 1245, 120, 2205, 330, 14.25, false, false, 0},
        {"Label2", QStringLiteral("свод сигналов"), 1410, 480, 1875, 330, 14.25, false, false, 1},
        {"AniLabel2", QStringLiteral("КРВ-65"), 1673, 840, 1335, 390, 18, true, true, 5},
        {"Label4", QStringLiteral("Версия 1.0.0"), 1815, 1440, 1065, 225, 9.75, false, false, 2},
        {"AniLabel1", kAuthorName, 1628, 1920, 1425, 285, 12, true, true, 4},
        {"Command1", QStringLiteral("ОК"), 2040, 2400, 735, 495, 0, false, false, 3},
    }};
    return controls;
}

}  // namespace mss::forms
