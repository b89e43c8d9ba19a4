// SPDX-License-Identifier: GPL-3.0-or-later
// Every row of the shipped code book marked `book` claims to be the printed
// 1965 code character for character. Here each such row is held against the
// wording quoted from the 1965 code, so that a lost «не», a changed word or a
// dropped trailing space fails the suite instead of reaching the learner as a
// wrong meaning. The check goes both ways: every quoted text must stand, as a
// `book` row, on its signal, and no row may claim to be `book` without its
// wording quoted here.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/shipped_book.h"

using namespace mss::codebook;

namespace {

struct Wording {
    std::string_view code;  // the first code of the row
    std::string_view text;  // exactly as printed, spaces included
};

// The wording quoted from the printed 1965 code.
constexpr Wording kPrintedWording[] = {
    // Single-letter signals, all of them (there is no R).
    {"A", "У меня спущен водолаз; держитесь в стороне от меня и следуйте малым ходом"},
    {"B", "Я гружу, или выгружаю, или имею на борту опасный груз"},
    {"C", "Утвердительный ДА или \"Значение предыдущей группы должно читаться в утвердительной форме\""},
    {"D", "Держитесь в стороне от меня; я управляюсь с трудом"},
    {"E", "Я изменяю свой курс вправо"},
    {"F", "Я не управляюсь; держите связь со мной"},
    {"G", "Мне нужен лоцман (этот сигнал рыбаком - \"Я выбираю сети\")"},
    {"H", "У меня есть на борту лоцман"},
    {"I", "Я изменяю свой курс влево"},
    {"J", "У меня пожар и я имею на борту опасный груз; держитесь в стороне от меня"},
    {"K", "Я хочу установить связь с вами"},
    {"L", "Остановите немедленно свое судно"},
    {"M", "Мое судно остановлено и не имеет хода относительно воды"},
    {"N", "Отрицательный НЕТ или \"Значение предыдущей группы должно читаться в отрицательной форме\""},
    {"O", "Человек за бортом"},
    {"P", "В гавани: все должны быть на борту, так как судно скоро снимется. В море: \"мои сети зацепились за препятствие\""},
    {"Q", "Мое судно незараженное, прошу предоставить мне свободную практику"},
    {"S", "Мои машины работают на задний ход"},
    {"T", "Держитесь в стороне от меня; я произвожу парное траление"},
    {"U", "Вы идете к опасности"},
    {"V", "Мне требуется помощь"},
    {"W", "Мне требуется медицинская помощь"},
    {"X", "Приостановите выполнение ваших намерений и наблюдайте за моими сигналами"},
    {"Y", "Меня дрейфует на якоре "},
    {"Z", "Мне требуется буксирное судно (рыбак: \"Я выметываю сети\")"},
    // General section.
    {"AE", "Я должен оставить свое судно"},
    {"AE1", "Я (или экипаж указываемого судна) хочу (-ет) оставить свое судно, но не имею (-ет) на это средств"},
    {"BB", "Вы можете сделать посадку на мою палубу"},
    {"BB1", "Вы можете сделать посадку на мою палубу; я готов принять вас в носовой части судна"},
    {"BB2", "Вы можете сделать посадку на мою палубу; я готов принять вас в средней части судна"},
    {"BB3", "Вы можете сделать посадку на мою палубу; я готов принять вас в кормовой части судна"},
    {"BB4", "Вы можете сделать посадку на мою палубу, но я еще не готов принять вас"},
    {"JE", "Имеются ли у вас пострадавшие вследствие взрыва?"},
    {"JF", "Я (или указываемое судно) на мели в широте ...... долготе ....."},
    {"JF0", "Я (или указываемое судно) на мели: на каменистом грунте."},
    {"JF9", "Я (или указываемое судно) на мели: всем корпусом судна при полной воде."},
    {"JM", "Вы рискуете сесть на мель при малой воде."},
    {"JN", "Вы должны выбросить судно на берег в широте ...... долготе ....."},
    {"QZ1", "Вы должны отдать другой якорь."},
    {"RA", "Мой якорь нечист."},
    {"VQ0", "Льда нет."},
    {"WY0", "Штиль, зеркально-гладкое море, высота волны 0"},
    {"XE0", "Зыби нет"},
    {"ZA0", "Я хочу установить с вами связь на голландском языке"},
    {"ZZ1", "Где место карантинной якорной стоянки? "},
    // Medical section.
    {"MAA", "Мне требуется срочная медицинская помощь. "},
    {"MTO", "Вы должны дать только один раз.                    "},
    {"MVU", "Обратитесь ко мне снова через ..... (число) часов или раньше, если больному станет хуже."},
    // Tables of complements I, II and III, all of them.
    {"I-1", "Семафор."},
    {"I-2", "Сигнализация знаками Морзе с помощью флажков или руками."},
    {"I-3", "Усилительное устройство (мегафон)."},
    {"I-4", "Светосигнальное средство."},
    {"I-5", "Звукоизлучающий аппарат."},
    {"I-6", "Флаги Международного свода сигналов."},
    {"I-7", "Радиотелеграф на частоте 500 кгц."},
    {"I-8", "Радиотелефон на частоте 2182 кгц."},
    {"I-9", "УКВ радиотелефон  —  канал 16."},
    {"II-0", "Вода."},
    {"II-1", "Провизия."},
    {"II-2", "Топливо."},
    {"II-3", "Водоотливные средства."},
    {"II-4", "Противопожарные средства."},
    {"II-5", "Медицинская помощь."},
    {"II-6", "Буксировка."},
    {"II-7", "Спасательные плавучие средства."},
    {"II-8", "Судно, готовое оказать помощь."},
    {"II-9", "Ледокол."},
    {"III-0", "Направление неизвестно (или штиль)."},
    {"III-1", "Северо-восток."},
    {"III-2", "Восток."},
    {"III-3", "Юго-восток."},
    {"III-4", "Юг."},
    {"III-5", "Юго-запад."},
    {"III-6", "Запад."},
    {"III-7", "Северо-запад."},
    {"III-8", "Север."},
    {"III-9", "Все направления (или смешанное, или переменное)."},
};

// Rows whose wording is ours, not quoted: the qualifiers of the 1965 code that
// the reference edition had dropped, written back from knowledge of the 1965
// wording. Pinned whole so that they are not lost again.
constexpr Wording kRestoredQualifiers[] = {
    {"AI", "Указываемое судно (при необходимости — его место и/или название или опознавательный сигнал) придется оставить."},
    {"VJ", "Ожидается шторм (8—9 баллов по шкале Бофорта) с указываемого направления."},
    {"VK", "Ожидается сильный шторм (10 баллов и более по шкале Бофорта) с указываемого направления."},
    {"VN", "Имеете ли вы последние сведения о тропическом циклоне (и, при необходимости, о его местоположении)?"},
};

const LoadResult& shipped() { return mss::testing::shippedLoad(); }

// The row that `code` selects, in any list; nothing when no row carries it.
template <class Book>  // CodeBook or const CodeBook
auto rowOf(Book& book, std::string_view code) -> decltype(&book.rows(CodeList::SingleLetter).front()) {
    for (const auto& info : kCodeLists)
        for (auto& row : book.rows(info.list))
            if (std::ranges::find(row.codes, code) != row.codes.end()) return &row;
    return nullptr;
}

// Brackets make leading and trailing spaces visible in a failure message.
std::string shown(std::string_view text) { return "«" + std::string(text) + "»"; }

// How the book departs from the printed wording, one line per fault, each
// beginning with the code of the row concerned.
std::vector<std::string> departuresFromThePrintedWording(const CodeBook& book) {
    std::vector<std::string> departures;
    std::set<std::string_view> quoted;
    for (const Wording& printed : kPrintedWording) {
        quoted.insert(printed.code);
        const CodeBookRow* row = rowOf(book, printed.code);
        if (!row) {
            departures.push_back(std::string(printed.code) + ": no row");
            continue;
        }
        if (row->source != Source::Book)
            departures.push_back(std::string(printed.code) + ": quoted from the printed code, but not marked book");
        if (row->text != printed.text)
            departures.push_back(std::string(printed.code) + ": the book has " + shown(row->text) +
                                 ", the printed code " + shown(printed.text));
    }
    for (const auto& info : kCodeLists)
        for (const auto& row : book.rows(info.list))
            if (row.source == Source::Book && !quoted.contains(row.codes.front()))
                departures.push_back(row.codes.front() + ": marked book, but its printed wording is not quoted");
    return departures;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) out += "\n  " + line;
    return out;
}

}  // namespace

TEST(PrintedWording, NamesEachSignalOnce) {
    std::set<std::string_view> codes;
    for (const Wording& printed : kPrintedWording)
        EXPECT_TRUE(codes.insert(printed.code).second) << printed.code << " is quoted twice";
}

TEST(PrintedWording, ShippedBookKeepsItCharacterForCharacter) {
    ASSERT_TRUE(shipped().ok()) << shipped().firstProblem();
    const auto departures = departuresFromThePrintedWording(shipped().book);
    EXPECT_TRUE(departures.empty()) << joined(departures);
}

// The single-letter signals and the tables of complements are quoted in full,
// so every row of those two lists is `book`.
TEST(PrintedWording, CoversTheSingleLetterSignalsAndTheTablesOfComplements) {
    ASSERT_TRUE(shipped().ok()) << shipped().firstProblem();
    for (const CodeList list : {CodeList::SingleLetter, CodeList::Complements})
        for (const auto& row : shipped().book.rows(list))
            EXPECT_EQ(row.source, Source::Book) << row.codes.front();
}

// The check itself: each kind of damage to a copy of the shipped book is
// reported on the row it touches.
TEST(PrintedWording, CheckReportsEveryKindOfDeparture) {
    struct Damage {
        const char* what;
        std::string_view code;
        std::function<void(CodeBookRow&)> apply;
    };
    const auto replaced = [](std::string from, std::string to) {
        return [from, to](CodeBookRow& row) {
            const auto at = row.text.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            row.text.replace(at, from.size(), to);
        };
    };
    ASSERT_TRUE(shipped().ok()) << shipped().firstProblem();
    const Damage cases[] = {
        {"the negation dropped from F", "F", replaced("Я не управляюсь", "Я управляюсь")},
        {"the trailing space of Y dropped", "Y", [](CodeBookRow& row) { row.text.pop_back(); }},
        {"the twenty trailing spaces of MTO trimmed", "MTO", replaced("раз.                    ", "раз.")},
        {"the double spaces around the dash of I-9 folded", "I-9", replaced("  —  ", " — ")},
        {"an inner quote of C dropped", "C", replaced("\"Значение", "Значение")},
        {"one dot of a blank in JF lost", "JF", replaced("...... долготе", "..... долготе")},
        {"a word of BB3 changed", "BB3", replaced("кормовой", "носовой")},
        {"WY0 marked ref", "WY0", [](CodeBookRow& row) { row.source = Source::Ref; }},
        {"JO, not quoted, marked book", "JO", [](CodeBookRow& row) { row.source = Source::Book; }},
    };
    for (const Damage& damage : cases) {
        CodeBook book = shipped().book;
        CodeBookRow* row = rowOf(book, damage.code);
        ASSERT_NE(row, nullptr) << damage.code;
        damage.apply(*row);
        const auto departures = departuresFromThePrintedWording(book);
        ASSERT_EQ(departures.size(), 1u) << damage.what << joined(departures);
        EXPECT_TRUE(departures.front().starts_with(std::string(damage.code) + ":")) << damage.what << joined(departures);
    }
}

TEST(RestoredQualifiers, StayInTheShippedBookAsOurWording) {
    ASSERT_TRUE(shipped().ok()) << shipped().firstProblem();
    for (const Wording& ours : kRestoredQualifiers) {
        const CodeBookRow* row = rowOf(shipped().book, ours.code);
        ASSERT_NE(row, nullptr) << ours.code;
        EXPECT_EQ(row->text, ours.text) << ours.code;
        EXPECT_EQ(row->source, Source::Recall) << ours.code << " is written from knowledge, not quoted";
    }
}
