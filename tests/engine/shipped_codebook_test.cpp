#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"

using namespace mss::codebook;

namespace {

const LoadResult& shipped() {
    static const LoadResult r = parseCodeBook(mss::data::codeBookBytes());
    return r;
}

struct PinnedRow {
    ListId list;
    int index;
    const char* code;  // the first code of the row
    std::string text;
};

void expectRows(const std::vector<PinnedRow>& rows, bool fromTheBook) {
    ASSERT_TRUE(shipped().ok()) << shipped().firstProblem();
    for (const PinnedRow& p : rows) {
        const auto& row = shipped().book.rows(p.list).at(static_cast<std::size_t>(p.index));
        EXPECT_EQ(row.codes.front(), p.code) << p.code;
        EXPECT_EQ(row.text, p.text) << p.code;
        if (fromTheBook) EXPECT_EQ(row.source, Source::Book) << p.code;
    }
}

}  // namespace

TEST(ShippedCodeBook, IsCompleteAndSound) {
    ASSERT_TRUE(shipped().ok()) << shipped().firstProblem();
    for (const auto& info : kLists)
        EXPECT_EQ(static_cast<int>(shipped().book.rows(info.id).size()), info.rowCount) << info.name;
}

TEST(ShippedCodeBook, HoldsTheQuotedRowsExactly) {
    expectRows({
        {ListId::Combo1, 0, "A", "У меня спущен водолаз; держитесь в стороне от меня и следуйте малым ходом"},
        {ListId::Combo1, 2, "C", "Утвердительный ДА или \"Значение предыдущей группы должно читаться в утвердительной форме\""},
        {ListId::Combo1, 17, "S", "Мои машины работают на задний ход"},
        {ListId::Combo1, 23, "Y", "Меня дрейфует на якоре "},
        {ListId::Combo1, 24, "Z", "Мне требуется буксирное судно (рыбак: \"Я выметываю сети\")"},
        {ListId::Combo4, 0, "I-1", "Семафор."},
        {ListId::Combo4, 8, "I-9", "УКВ радиотелефон  —  канал 16."},
        {ListId::Combo4, 9, "II-0", "Вода."},
        {ListId::Combo4, 28, "III-9", "Все направления (или смешанное, или переменное)."},
        {ListId::Combo2_0, 4, "AE", "Я должен оставить свое судно"},
        {ListId::Combo2_0, 5, "AE1", "Я (или экипаж указываемого судна) хочу (-ет) оставить свое судно, но не имею (-ет) на это средств"},
        {ListId::Combo2_0, 36, "BB", "Вы можете сделать посадку на мою палубу"},
        {ListId::Combo2_0, 37, "BB1", "Вы можете сделать посадку на мою палубу; я готов принять вас в носовой части судна"},
        {ListId::Combo2_0, 38, "BB2", "Вы можете сделать посадку на мою палубу; я готов принять вас в средней части судна"},
        {ListId::Combo2_0, 39, "BB3", "Вы можете сделать посадку на мою палубу; я готов принять вас в кормовой части судна"},
        {ListId::Combo2_0, 40, "BB4", "Вы можете сделать посадку на мою палубу, но я еще не готов принять вас"},
        {ListId::Combo2_0, 461, "JE", "Имеются ли у вас пострадавшие вследствие взрыва?"},
        {ListId::Combo2_0, 462, "JF", "Я (или указываемое судно) на мели в широте ...... долготе ....."},
        {ListId::Combo2_0, 463, "JF0", "Я (или указываемое судно) на мели: на каменистом грунте."},
        {ListId::Combo2_0, 472, "JF9", "Я (или указываемое судно) на мели: всем корпусом судна при полной воде."},
        {ListId::Combo2_0, 489, "JM", "Вы рискуете сесть на мель при малой воде."},
        {ListId::Combo2_1, 0, "JN", "Вы должны выбросить судно на берег в широте ...... долготе ....."},
        {ListId::Combo2_1, 478, "QZ1", "Вы должны отдать другой якорь."},
        {ListId::Combo2_2, 0, "RA", "Мой якорь нечист."},
        {ListId::Combo2_2, 205, "VQ0", "Льда нет."},
        {ListId::Combo2_2, 279, "WY0", "Штиль, зеркально-гладкое море, высота волны 0"},
        {ListId::Combo2_2, 295, "XE0", "Зыби нет"},
        {ListId::Combo2_2, 375, "ZA0", "Я хочу установить с вами связь на голландском языке"},
        {ListId::Combo2_2, 413, "ZZ1", "Где место карантинной якорной стоянки? "},
        {ListId::Combo3, 0, "MAA", "Мне требуется срочная медицинская помощь. "},
        {ListId::Combo3, 391, "MTO", "Вы должны дать только один раз.                    "},
        {ListId::Combo3, 441, "MVU", "Обратитесь ко мне снова через ..... (число) часов или раньше, если больному станет хуже."},
    }, true);
    const auto& general = shipped().book.rows(ListId::Combo2_0);
    EXPECT_TRUE(general[0].text.starts_with("\"Все после...\"")) << general[0].text;
    EXPECT_NE(general[0].text.find("RPT"), std::string::npos);
    EXPECT_NE(general[1].text.find("RPT"), std::string::npos);
}

// Rows across the alphabet, so that an edit cannot shift a list by one.
TEST(ShippedCodeBook, KeepsEveryRowOnItsSignal) {
    expectRows({
        {ListId::Combo2_0, 7, "AF", "Я не намерен оставлять свое судно"},
        {ListId::Combo2_0, 61, "BN", "\"Все между... и...\" (RPT BN — повторите все между ..... и .....)"},
        {ListId::Combo2_0, 115, "CO", "Вам (или указываемому судну или самолету) помощь не может быть оказана"},
        {ListId::Combo2_0, 169, "DK2", "Можете ли вы послать шлюпку?"},
        {ListId::Combo2_0, 223, "EQ", "Я рассчитываю прибыть к месту нахождения судна/самолета, терпящего бедствие, в указываемое время."},
        {ListId::Combo2_0, 277, "FO1", "Я буду держаться вблизи вас в течение ночи."},
        {ListId::Combo2_0, 331, "GV3", "У меня нет линемета."},
        {ListId::Combo2_0, 385, "IA", "Я получил повреждение форштевня."},
        {ListId::Combo2_0, 439, "IX2", "Пожар не потушен."},
        {ListId::Combo2_1, 7, "JO4", "Находитесь ли вы (или указываемое судно) еще на плаву?"},
        {ListId::Combo2_1, 60, "KE", "Водонепроницаемые переборки хорошо выдерживают давление воды."},
        {ListId::Combo2_1, 113, "KW2", "Вы должны приготовить другой трос."},
        {ListId::Combo2_1, 166, "LM", "Указываемый радиомаяк не работает."},
        {ListId::Combo2_1, 219, "MM", "В широте ...... долготе ..... находится затонувшее судно."},
        {ListId::Combo2_1, 272, "NK", "Глубина недостаточна."},
        {ListId::Combo2_1, 325, "OQ", "Я определяю радиодевиацию или уничтожаю девиацию компасов."},
        {ListId::Combo2_1, 378, "PN1", "Вы должны держаться с наветренной стороны от меня (или от указываемого судна)."},
        {ListId::Combo2_1, 431, "QE", "Мое судно имеет ход вперед."},
        {ListId::Combo2_2, 7, "RD", "Вы должны немедленно сняться с якоря (обрубить или отклепать якорную цепь)."},
        {ListId::Combo2_2, 53, "SB", "Я следую к месту аварии."},
        {ListId::Combo2_2, 99, "TE2", "Я веду ярусный лов."},
        {ListId::Combo2_2, 145, "TW", "Внимание. Вы находитесь вблизи границы запретного района рыболовства."},
        {ListId::Combo2_2, 191, "VE", "Я провожу фумигацию своего судна."},
        {ListId::Combo2_2, 237, "VT", "Опасность обледенения надстроек."},
        {ListId::Combo2_2, 283, "WY4", "Умеренное волнение, высота волны 1,25—2,5 м"},
        {ListId::Combo2_2, 329, "XT2", "Изменения погоды не ожидается."},
        {ListId::Combo3, 7, "MAK", "У меня больная женщина в возрасте ..... (число) лет."},
        {ListId::Combo3, 56, "MCW", "Боль постоянная."},
        {ListId::Combo3, 105, "MFJ", "У больного кровотечение из носа."},
        {ListId::Combo3, 154, "MHN", "Щека опухла, из десны выделяется гной."},
        {ListId::Combo3, 203, "MJV", "Обожжено около ..... (число) процентов поверхности тела."},
        {ListId::Combo3, 252, "MMA", "Яд был проглочен."},
        {ListId::Combo3, 301, "MOQ", "Температура повысилась до ..... (число) градусов."},
        {ListId::Combo3, 350, "MRP", "Жизнь больного в опасности."},
        {ListId::Combo3, 399, "MUA", "Вы не должны давать больному ни пищи, ни питья."},
    }, false);
}

// data/README.md tells how many rows of each list come from where.
TEST(ShippedCodeBook, ProvenanceTableOfTheDataReadmeIsCurrent) {
    ASSERT_TRUE(shipped().ok());
    std::ifstream in(MSS_DATA_DIR "/README.md");
    ASSERT_TRUE(in);
    std::stringstream text;
    text << in.rdbuf();
    const std::regex line(R"(\| `([A-Za-z0-9()]+)` \| (\d+) \| (\d+) \| (\d+) \|)");
    int listsSeen = 0;
    const std::string s = text.str();
    for (std::sregex_iterator it(s.begin(), s.end(), line), end; it != end; ++it) {
        const auto list = listIdOfName((*it)[1].str());
        ASSERT_TRUE(list.has_value()) << (*it)[1];
        std::map<Source, int> count;
        for (const auto& row : shipped().book.rows(*list)) ++count[row.source];
        EXPECT_EQ(count[Source::Book], std::stoi((*it)[2])) << (*it)[1];
        EXPECT_EQ(count[Source::Ref], std::stoi((*it)[3])) << (*it)[1];
        EXPECT_EQ(count[Source::Recall], std::stoi((*it)[4])) << (*it)[1];
        ++listsSeen;
    }
    EXPECT_EQ(listsSeen, kListCount);
}
