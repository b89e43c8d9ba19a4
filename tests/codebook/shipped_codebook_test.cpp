// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "support/shipped_book.h"

using namespace mss::codebook;

namespace {

const LoadResult& shipped() { return mss::testing::shippedLoad(); }

struct PinnedRow {
    CodeList list;
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
        if (fromTheBook) {
            EXPECT_EQ(row.source, Source::Book) << p.code;
        }
    }
}

}  // namespace

TEST(ShippedCodeBook, IsCompleteAndSound) {
    ASSERT_TRUE(shipped().ok()) << shipped().firstProblem();
    for (const auto& info : kCodeLists)
        EXPECT_EQ(static_cast<int>(shipped().book.rows(info.list).size()), info.rowCount) << info.fileName;
}

TEST(ShippedCodeBook, HoldsTheQuotedRowsExactly) {
    expectRows({
        {CodeList::SingleLetter, 0, "A", "У меня спущен водолаз; держитесь в стороне от меня и следуйте малым ходом"},
        {CodeList::SingleLetter, 2, "C", "Утвердительный ДА или \"Значение предыдущей группы должно читаться в утвердительной форме\""},
        {CodeList::SingleLetter, 17, "S", "Мои машины работают на задний ход"},
        {CodeList::SingleLetter, 23, "Y", "Меня дрейфует на якоре "},
        {CodeList::SingleLetter, 24, "Z", "Мне требуется буксирное судно (рыбак: \"Я выметываю сети\")"},
        {CodeList::Complements, 0, "I-1", "Семафор."},
        {CodeList::Complements, 8, "I-9", "УКВ радиотелефон  —  канал 16."},
        {CodeList::Complements, 9, "II-0", "Вода."},
        {CodeList::Complements, 28, "III-9", "Все направления (или смешанное, или переменное)."},
        {CodeList::GeneralAToJ, 4, "AE", "Я должен оставить свое судно"},
        {CodeList::GeneralAToJ, 5, "AE1", "Я (или экипаж указываемого судна) хочу (-ет) оставить свое судно, но не имею (-ет) на это средств"},
        {CodeList::GeneralAToJ, 36, "BB", "Вы можете сделать посадку на мою палубу"},
        {CodeList::GeneralAToJ, 37, "BB1", "Вы можете сделать посадку на мою палубу; я готов принять вас в носовой части судна"},
        {CodeList::GeneralAToJ, 38, "BB2", "Вы можете сделать посадку на мою палубу; я готов принять вас в средней части судна"},
        {CodeList::GeneralAToJ, 39, "BB3", "Вы можете сделать посадку на мою палубу; я готов принять вас в кормовой части судна"},
        {CodeList::GeneralAToJ, 40, "BB4", "Вы можете сделать посадку на мою палубу, но я еще не готов принять вас"},
        {CodeList::GeneralAToJ, 461, "JE", "Имеются ли у вас пострадавшие вследствие взрыва?"},
        {CodeList::GeneralAToJ, 462, "JF", "Я (или указываемое судно) на мели в широте ...... долготе ....."},
        {CodeList::GeneralAToJ, 463, "JF0", "Я (или указываемое судно) на мели: на каменистом грунте."},
        {CodeList::GeneralAToJ, 472, "JF9", "Я (или указываемое судно) на мели: всем корпусом судна при полной воде."},
        {CodeList::GeneralAToJ, 489, "JM", "Вы рискуете сесть на мель при малой воде."},
        {CodeList::GeneralJToQ, 0, "JN", "Вы должны выбросить судно на берег в широте ...... долготе ....."},
        {CodeList::GeneralJToQ, 478, "QZ1", "Вы должны отдать другой якорь."},
        {CodeList::GeneralRToZ, 0, "RA", "Мой якорь нечист."},
        {CodeList::GeneralRToZ, 205, "VQ0", "Льда нет."},
        {CodeList::GeneralRToZ, 279, "WY0", "Штиль, зеркально-гладкое море, высота волны 0"},
        {CodeList::GeneralRToZ, 295, "XE0", "Зыби нет"},
        {CodeList::GeneralRToZ, 375, "ZA0", "Я хочу установить с вами связь на голландском языке"},
        {CodeList::GeneralRToZ, 413, "ZZ1", "Где место карантинной якорной стоянки? "},
        {CodeList::Medical, 0, "MAA", "Мне требуется срочная медицинская помощь. "},
        {CodeList::Medical, 391, "MTO", "Вы должны дать только один раз.                    "},
        {CodeList::Medical, 441, "MVU", "Обратитесь ко мне снова через ..... (число) часов или раньше, если больному станет хуже."},
    }, true);
    const auto& general = shipped().book.rows(CodeList::GeneralAToJ);
    EXPECT_TRUE(general[0].text.starts_with("\"Все после...\"")) << general[0].text;
    EXPECT_NE(general[0].text.find("RPT"), std::string::npos);
    EXPECT_NE(general[1].text.find("RPT"), std::string::npos);
}

// Rows across the alphabet, so that an edit cannot shift a list by one.
TEST(ShippedCodeBook, KeepsEveryRowOnItsSignal) {
    expectRows({
        {CodeList::GeneralAToJ, 7, "AF", "Я не намерен оставлять свое судно."},
        {CodeList::GeneralAToJ, 61, "BN", "\"Все между... и...\" (RPT BN — повторите все между ..... и .....)."},
        {CodeList::GeneralAToJ, 115, "CO", "Вам (или указываемому судну или самолету) помощь не может быть оказана."},
        {CodeList::GeneralAToJ, 169, "DK2", "Можете ли вы послать шлюпку?"},
        {CodeList::GeneralAToJ, 223, "EQ", "Я рассчитываю прибыть к месту нахождения судна/самолета, терпящего бедствие, в указываемое время."},
        {CodeList::GeneralAToJ, 277, "FO1", "Я буду держаться вблизи вас в течение ночи."},
        {CodeList::GeneralAToJ, 331, "GV3", "У меня нет линемета."},
        {CodeList::GeneralAToJ, 385, "IA", "Я получил повреждение форштевня."},
        {CodeList::GeneralAToJ, 439, "IX2", "Пожар не потушен."},
        {CodeList::GeneralJToQ, 7, "JO4", "Находитесь ли вы (или указываемое судно) еще на плаву?"},
        {CodeList::GeneralJToQ, 60, "KE", "Водонепроницаемые переборки хорошо выдерживают давление воды."},
        {CodeList::GeneralJToQ, 113, "KW2", "Вы должны приготовить другой трос."},
        {CodeList::GeneralJToQ, 166, "LM", "Указываемый радиомаяк не работает."},
        {CodeList::GeneralJToQ, 219, "MM", "В широте ...... долготе ..... находится затонувшее судно."},
        {CodeList::GeneralJToQ, 272, "NK", "Глубина недостаточна."},
        {CodeList::GeneralJToQ, 325, "OQ", "Я определяю радиодевиацию или уничтожаю девиацию компасов."},
        {CodeList::GeneralJToQ, 378, "PN1", "Вы должны держаться с наветренной стороны от меня (или от указываемого судна)."},
        {CodeList::GeneralJToQ, 431, "QE", "Мое судно имеет ход вперед."},
        {CodeList::GeneralRToZ, 7, "RD", "Вы должны немедленно сняться с якоря (обрубить или отклепать якорную цепь)."},
        {CodeList::GeneralRToZ, 53, "SB", "Я следую к месту аварии."},
        {CodeList::GeneralRToZ, 99, "TE2", "Я веду ярусный лов."},
        {CodeList::GeneralRToZ, 145, "TW", "Внимание. Вы находитесь вблизи границы запретного района рыболовства."},
        {CodeList::GeneralRToZ, 191, "VE", "Я провожу фумигацию своего судна."},
        {CodeList::GeneralRToZ, 237, "VT", "Опасность обледенения надстроек."},
        {CodeList::GeneralRToZ, 283, "WY4", "Умеренное волнение, высота волны 1,25—2,5 м."},
        {CodeList::GeneralRToZ, 329, "XT2", "Изменения погоды не ожидается."},
        {CodeList::Medical, 7, "MAK", "У меня больная женщина в возрасте ..... (число) лет."},
        {CodeList::Medical, 56, "MCW", "Больной, по-видимому, в состоянии шока."},
        {CodeList::Medical, 105, "MFJ", "Кровотечение не удается остановить."},
        {CodeList::Medical, 154, "MHN", "В горле на миндалинах серовато-белые налеты."},
        {CodeList::Medical, 203, "MJV", "Больной не может удержать мочу (недержание мочи)."},
        {CodeList::Medical, 252, "MMA", "Сыпь имеет вид более крупных пузырей, содержащих гной."},
        {CodeList::Medical, 301, "MOQ", "Схватки повторяются каждые ..... (число) минут."},
        {CodeList::Medical, 350, "MRP", "Положите ледяной компресс и меняйте его каждые ..... (число) часов."},
        {CodeList::Medical, 399, "MUA", "Ничего не давайте через рот."},
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
        const auto list = codeListOfFileName((*it)[1].str());
        ASSERT_TRUE(list.has_value()) << (*it)[1];
        std::map<Source, int> count;
        for (const auto& row : shipped().book.rows(*list)) ++count[row.source];
        EXPECT_EQ(count[Source::Book], std::stoi((*it)[2])) << (*it)[1];
        EXPECT_EQ(count[Source::Ref], std::stoi((*it)[3])) << (*it)[1];
        EXPECT_EQ(count[Source::Recall], std::stoi((*it)[4])) << (*it)[1];
        ++listsSeen;
    }
    EXPECT_EQ(listsSeen, kCodeListCount);
}
