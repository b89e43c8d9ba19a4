#include <gtest/gtest.h>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"

using namespace mss::codebook;

TEST(ShippedCodeBook, IsSoundAndHoldsTheQuotedRowsExactly) {
    const LoadResult r = parseCodeBook(mss::data::codeBookBytes());
    ASSERT_NE(r.status, LoadStatus::Damaged) << r.firstProblem();
    struct Case { ListId list; int index; const char* code; std::string text; };
    const Case cases[] = {
        {ListId::Combo1, 0, "A", "У меня спущен водолаз; держитесь в стороне от меня и следуйте малым ходом"},
        {ListId::Combo1, 2, "C", "Утвердительный ДА или \"Значение предыдущей группы должно читаться в утвердительной форме\""},
        {ListId::Combo1, 17, "S", "Мои машины работают на задний ход"},
        {ListId::Combo1, 23, "Y", "Меня дрейфует на якоре "},
        {ListId::Combo1, 24, "Z", "Мне требуется буксирное судно (рыбак: \"Я выметываю сети\")"},
        {ListId::Combo4, 0, "I-1", "Семафор."},
        {ListId::Combo4, 8, "I-9", "УКВ радиотелефон  —  канал 16."},
        {ListId::Combo4, 9, "II-0", "Вода."},
        {ListId::Combo4, 28, "III-9", "Все направления (или смешанное, или переменное)."},
    };
    for (const Case& c : cases) {
        const auto& rows = r.book.rows(c.list);
        ASSERT_GT(rows.size(), static_cast<std::size_t>(c.index)) << c.code;
        EXPECT_EQ(rows[static_cast<std::size_t>(c.index)].text, c.text) << c.code;
        EXPECT_EQ(rows[static_cast<std::size_t>(c.index)].codes.front(), c.code);
        EXPECT_EQ(rows[static_cast<std::size_t>(c.index)].source, Source::Book) << c.code;
    }
}
