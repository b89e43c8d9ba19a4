// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "codebook/codebook_parser.h"
#include "codebook/signal_directory.h"

using namespace mss::codebook;

namespace {

// A complete, sound code book with made-up texts: every row carries the codes
// that select it. Returned as lines (header first) so cases can damage it.
std::vector<std::string> soundCodeBook() {
    std::vector<std::string> lines{std::string(kCodeBookHeader)};
    for (const auto& info : kCodeLists) {
        std::vector<std::string> codes(static_cast<std::size_t>(info.rowCount));
        for (const auto& c : SignalDirectory::instance().codes())
            if (c.target.list == info.list) {
                auto& field = codes[static_cast<std::size_t>(c.target.row)];
                field += (field.empty() ? "" : ",") + c.code.text();
            }
        for (int i = 0; i < info.rowCount; ++i)
            lines.push_back(std::string(info.fileName) + "\t" + std::to_string(i) + "\t" +
                            codes[static_cast<std::size_t>(i)] + "\tЗначение сигнала номер " +
                            std::to_string(i) + "\trecall");
    }
    return lines;
}

std::string join(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

// Line of the file (1-based) that holds row `index` of `list`.
std::size_t lineOf(CodeList list, int index) {
    std::size_t line = 2;
    for (const auto& info : kCodeLists) {
        if (info.list == list) return line + static_cast<std::size_t>(index);
        line += static_cast<std::size_t>(info.rowCount);
    }
    return 0;
}

void setField(std::vector<std::string>& lines, CodeList list, int index, int field, const std::string& value) {
    std::string& line = lines[lineOf(list, index) - 1];
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    fields[static_cast<std::size_t>(field)] = value;
    line = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) line += "\t" + fields[i];
}

constexpr int kCodes = 2, kText = 3, kSource = 4;

}  // namespace

TEST(CodeBookParser, ReadsASoundBookWithItsTextsExactly) {
    auto lines = soundCodeBook();
    setField(lines, CodeList::SingleLetter, 23, kText, "Меня дрейфует на якоре ");
    setField(lines, CodeList::Complements, 8, kText, "УКВ радиотелефон  —  канал 16.");
    setField(lines, CodeList::GeneralAToJ, 0, kText, "\"Все после...\" RPT");
    setField(lines, CodeList::Medical, 391, kText, "Вы должны дать только один раз." + std::string(20, ' '));
    setField(lines, CodeList::Medical, 0, kSource, "book");
    // The same text may stand in two different lists.
    setField(lines, CodeList::GeneralJToQ, 3, kText, "Значение сигнала номер 3 ");
    setField(lines, CodeList::GeneralRToZ, 3, kText, "Значение сигнала номер 3 ");
    const LoadResult r = parseCodeBook("\xEF\xBB\xBF" + join(lines));
    ASSERT_TRUE(r.ok()) << r.firstProblem();
    EXPECT_EQ(r.book.text(CodeList::SingleLetter, 23), "Меня дрейфует на якоре ");
    EXPECT_EQ(r.book.text(CodeList::Complements, 8), "УКВ радиотелефон  —  канал 16.");
    EXPECT_EQ(r.book.text(CodeList::GeneralAToJ, 0), "\"Все после...\" RPT");
    EXPECT_EQ(r.book.text(CodeList::Medical, 391), "Вы должны дать только один раз.                    ");
    EXPECT_EQ(r.book.rows(CodeList::Medical)[0].source, Source::Book);
    EXPECT_EQ(r.book.rows(CodeList::GeneralRToZ)[279].codes, (std::vector<std::string>{"WY0", "XB0"}));
    EXPECT_EQ(r.book.rows(CodeList::GeneralRToZ).size(), 414u);

    // The last line may lack its line break.
    std::string noFinalBreak = join(lines);
    noFinalBreak.pop_back();
    EXPECT_TRUE(parseCodeBook(noFinalBreak).ok());
}

TEST(CodeBookParser, NamesTheLineAndTheFaultOfADamagedBook) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* what;
        std::function<void(Lines&)> damage;
        std::size_t line;         // 0 when the fault concerns the whole file
        const char* messagePart;  // what the message must say
    };
    const std::string tooLong0(157, 'a');
    const Case cases[] = {
        {"header", [](Lines& l) { l[0] = "list\tindex\tcodes\ttext"; }, 1, "заголовок"},
        {"unknown list", [](Lines& l) { l[1].replace(0, 6, "Combo9"); }, 2, "неизвестный список «Combo9»"},
        {"lists out of order",
         [](Lines& l) { std::swap(l[lineOf(CodeList::Medical, 441) - 1], l[lineOf(CodeList::Complements, 0) - 1]); },
         lineOf(CodeList::Complements, 0), "«Combo3» стоит не на своем месте"},
        {"gap in the rows", [](Lines& l) { l.erase(l.begin() + 10); }, 11, "ожидается строка 9, а стоит 10"},
        {"index not a number", [](Lines& l) { setField(l, CodeList::SingleLetter, 2, 1, "2a"); }, 4, "не является числом"},
        {"index with a sign", [](Lines& l) { setField(l, CodeList::SingleLetter, 0, 1, "-0"); }, 2, "не является числом"},
        {"index with a leading zero", [](Lines& l) { setField(l, CodeList::SingleLetter, 1, 1, "01"); }, 3,
         "не является числом"},
        {"text too long for Combo4", [](Lines& l) { setField(l, CodeList::Complements, 2, kText, std::string(57, 'x')); },
         lineOf(CodeList::Complements, 2), "длиннее 56 знаков"},
        {"empty text", [](Lines& l) { setField(l, CodeList::Medical, 5, kText, ""); }, lineOf(CodeList::Medical, 5), "пуст"},
        {"text too long for Combo2(0)",
         [&](Lines& l) { setField(l, CodeList::GeneralAToJ, 7, kText, tooLong0); }, lineOf(CodeList::GeneralAToJ, 7),
         "длиннее 156 знаков (157)"},
        {"text too long for Combo2(2)",
         [](Lines& l) { setField(l, CodeList::GeneralRToZ, 7, kText, [] { std::string s; for (int i = 0; i < 127; ++i) s += "ж"; return s; }()); },
         lineOf(CodeList::GeneralRToZ, 7), "длиннее 126 знаков"},
        {"tab in a text", [](Lines& l) { setField(l, CodeList::SingleLetter, 4, kText, "Я изменяю\tсвой курс"); }, 6,
         "лишняя табуляция"},
        {"carriage return", [](Lines& l) { l[3] += "\r"; }, 4, "возврат каретки"},
        {"character outside code page 1251", [](Lines& l) { setField(l, CodeList::SingleLetter, 0, kText, "Straße"); },
         2, "U+00DF"},
        {"control character", [](Lines& l) { setField(l, CodeList::SingleLetter, 0, kText, "Текст\x01"); }, 2,
         "управляющий"},
        {"broken UTF-8", [](Lines& l) { setField(l, CodeList::SingleLetter, 0, kText, "Текст\xD0"); }, 2, "UTF-8"},
        {"malformed code", [](Lines& l) { setField(l, CodeList::GeneralAToJ, 4, kCodes, "A-E"); },
         lineOf(CodeList::GeneralAToJ, 4), "не является кодом сигнала списка Combo2(0)"},
        {"code of another list", [](Lines& l) { setField(l, CodeList::GeneralAToJ, 4, kCodes, "JN"); },
         lineOf(CodeList::GeneralAToJ, 4), "относится к списку Combo2(1)"},
        {"code that selects another row", [](Lines& l) { setField(l, CodeList::GeneralAToJ, 5, kCodes, "AE"); },
         lineOf(CodeList::GeneralAToJ, 5), "выбирает строку 4 списка Combo2(0), а не строку 5"},
        {"code that is no signal", [](Lines& l) { setField(l, CodeList::Medical, 235, kCodes, "MLG"); },
         lineOf(CodeList::Medical, 235), "сигнала «MLG» нет в своде"},
        {"R in Combo1", [](Lines& l) { setField(l, CodeList::SingleLetter, 17, kCodes, "R"); }, 19, "нет в своде"},
        {"code twice", [](Lines& l) { setField(l, CodeList::GeneralRToZ, 279, kCodes, "WY0,XB0,WY0"); },
         lineOf(CodeList::GeneralRToZ, 279), "уже стоит"},
        {"shared code left out", [](Lines& l) { setField(l, CodeList::GeneralRToZ, 295, kCodes, "XE0"); }, 0,
         "«XH0» не указан"},
        {"same text twice in a list",
         [](Lines& l) { setField(l, CodeList::Complements, 3, kText, "Значение сигнала номер 2"); },
         lineOf(CodeList::Complements, 3), "повторяет текст"},
        {"unknown source", [](Lines& l) { setField(l, CodeList::SingleLetter, 1, kSource, "guess"); }, 3,
         "неизвестный источник «guess»"},
        {"too few fields", [](Lines& l) { l[5] = "Combo1\t4\tE"; }, 6, "3 полей вместо 5"},
        {"extra row", [](Lines& l) { l.insert(l.begin() + 26, "Combo1\t25\tA\tЛишняя строка\tref"); }, 27,
         "лишняя строка 25"},
        {"empty file", [](Lines& l) { l.clear(); }, 0, "пуст"},
    };
    for (const Case& c : cases) {
        Lines lines = soundCodeBook();
        c.damage(lines);
        const LoadResult r = parseCodeBook(join(lines));
        EXPECT_EQ(r.status, LoadStatus::Damaged) << c.what;
        ASSERT_FALSE(r.problems.empty()) << c.what;
        EXPECT_EQ(static_cast<std::size_t>(r.problems.front().line), c.line) << c.what;
        EXPECT_NE(r.problems.front().message.find(c.messagePart), std::string::npos)
            << c.what << ": " << r.problems.front().message;
    }
}

TEST(CodeBookParser, ReportsAMissingOrShortListAsIncomplete) {
    auto lines = soundCodeBook();
    // Combo3 stops after row 119; Combo4 is missing altogether.
    lines.erase(lines.begin() + static_cast<long>(lineOf(CodeList::Medical, 120) - 1), lines.end());
    const LoadResult r = parseCodeBook(join(lines));
    EXPECT_EQ(r.status, LoadStatus::Incomplete);
    ASSERT_EQ(r.problems.size(), 2u);
    EXPECT_EQ(r.problems[0].message, "список Combo3 неполон: 120 строк из 442");
    EXPECT_EQ(r.problems[1].message, "список Combo4 отсутствует");
    EXPECT_EQ(r.firstProblem(), "список Combo3 неполон: 120 строк из 442");

    // Damage outweighs incompleteness.
    lines[3] += "\tлишнее";
    EXPECT_EQ(parseCodeBook(join(lines)).status, LoadStatus::Damaged);
}
