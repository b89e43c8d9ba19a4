// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "codebook/hoist_words.h"
#include "codebook/signal_flags.h"

using namespace mss::codebook;

TEST(HoistWords, EachFlagOfAHoistIsNamedWithWhatItGives) {
    struct Case {
        FlownFlag flag;
        const char* word;
        const char* spoken;
    };
    const Case cases[] = {
        {{12, 'M'}, "Майк", "флаг M — Майк"},
        {{2, 'C'}, "Чарли или Шарли", "флаг C — Чарли или Шарли"},
        {{32, '7'}, "Сэтэсэвн", "вымпел 7 — Сэтэсэвн"},
        {{substituteFlag(1), '7'}, "повторяет 7", "первый заменяющий — повторяет 7"},
        {{substituteFlag(2), 'A'}, "повторяет A", "второй заменяющий — повторяет A"},
        {{substituteFlag(3), 'N'}, "повторяет N", "третий заменяющий — повторяет N"},
        {{kAnsweringPennant, '.'}, "десятичная запятая", "ответный вымпел — десятичная запятая"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(flownFlagWord(c.flag), c.word);
        EXPECT_EQ(spokenFlownFlag(c.flag), c.spoken);
    }
}

TEST(HoistWords, AHoistInOneLine) {
    EXPECT_EQ(hoistLine(encodeHoist("MAA").flags), "M, A, 2-й заменяющий");
    EXPECT_EQ(hoistLine(encodeHoist("22.2").flags), "2, 1-й заменяющий, ответный вымпел, 2-й заменяющий");
    EXPECT_EQ(hoistLine(std::vector<int>{0}), "A");
    EXPECT_EQ(hoistLine(std::vector<int>{}), "");
}

TEST(HoistWords, AHoistNamedWithMorse) {
    struct Case {
        std::vector<int> flags;
        const char* named;
    };
    const Case cases[] = {
        {flagsOf(encodeHoist("MAA").flags), "Майк (M, −−), Алфа (A, ·−), 2-й заменяющий (повторяет A)"},
        {flagsOf(encodeHoist("22.2").flags),
         "Биссоту (2, ··−−−), 1-й заменяющий (повторяет 2), ответный вымпел (десятичная запятая, ·−·−·−), "
         "2-й заменяющий (повторяет 2)"},
        {{32}, "Сэтэсэвн (7, −−···)"},
        {{}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(hoistWithMorse(c.flags), c.named);
}
