// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
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
        // Half made, its last digit still to come: the substitute still says what it repeats.
        {{27, substituteFlag(1), kAnsweringPennant},
         "Биссоту (2, ··−−−), 1-й заменяющий (повторяет 2), ответный вымпел (десятичная запятая, ·−·−·−)"},
        // No hoist of one set from the second A on: a substitute there repeats nothing.
        {{0, substituteFlag(1), 0, substituteFlag(2)},
         "Алфа (A, ·−), 1-й заменяющий (повторяет A), Алфа (A, ·−), 2-й заменяющий (ничего не повторяет)"},
    };
    for (const Case& c : cases) EXPECT_EQ(hoistWithMorse(c.flags), c.named);
}

namespace {

// The character a substitute's words name («повторяет A» gives 'A'), or 0
// when they name none.
char repeatedIn(const std::string& words) {
    const std::string prefix = "повторяет ";
    const std::size_t at = words.rfind(prefix);
    return at == std::string::npos || at + prefix.size() + 1 != words.size() ? 0 : words.back();
}

bool hasControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

}  // namespace

// Hoists put up flag by flag as a learner does, each flag as the drill lets
// it go up (and taken down again now and then), and flags at random with no
// rule at all: every flag of every hoist on the way is spoken without a
// control character, and a substitute names the flag it repeats, one that
// stands above it, or says it repeats nothing.
TEST(HoistWords, EveryFlagOfEveryHoistOnTheWayIsSpokenSoundly) {
    static constexpr std::uint32_t kSeed = 1965;
    std::mt19937 random(kSeed);
    auto randomFlag = [&random] {
        // Substitutes and the answering pennant more often than their share.
        const auto pick = random() % 60;
        return pick < kSignalFlagCount ? static_cast<int>(pick) : kFirstSubstitute + static_cast<int>(pick % 4);
    };
    auto check = [](const std::vector<int>& flags, bool madeByTheRules, int round) {
        const FlownHoist flown = readHoist(flags);
        ASSERT_EQ(flagsOf(flown), flags);
        const std::string line = hoistWithMorse(flags);
        EXPECT_FALSE(hasControlCharacter(line)) << "seed " << kSeed << ", round " << round << ": " << line;
        for (std::size_t p = 0; p < flown.size(); ++p) {
            const std::string spoken = spokenFlownFlag(flown[p]);
            const std::string context =
                "seed " + std::to_string(kSeed) + ", round " + std::to_string(round) + ", " + hoistLine(flags);
            EXPECT_FALSE(hasControlCharacter(spoken)) << context << ": " << spoken;
            if (!isSubstitute(flown[p].flag)) continue;
            const char repeated = repeatedIn(spoken);
            if (repeated == 0) {
                EXPECT_FALSE(madeByTheRules) << context << ": " << spoken;
                EXPECT_NE(spoken.find("ничего не повторяет"), std::string::npos) << context << ": " << spoken;
                continue;
            }
            const auto flag = flagOfGroupCharacter(repeated);
            ASSERT_TRUE(flag && !isSubstitute(*flag) && *flag != kAnsweringPennant) << context << ": " << spoken;
            EXPECT_NE(std::find(flags.begin(), flags.begin() + static_cast<std::ptrdiff_t>(p), *flag),
                      flags.begin() + static_cast<std::ptrdiff_t>(p))
                << context << ": " << spoken << " — that flag is not above it";
        }
    };
    for (int round = 0; round < 2000; ++round) {
        std::vector<int> byTheRules, atRandom;
        for (int step = 0; step < 12; ++step) {
            if (!byTheRules.empty() && random() % 5 == 0) byTheRules.pop_back();  // Backspace
            const int next = randomFlag();
            if (!refusalOfNextFlag(byTheRules, next)) byTheRules.push_back(next);
            check(byTheRules, true, round);
            if (atRandom.size() < 8) atRandom.push_back(randomFlag());
            check(atRandom, false, round);
        }
    }
}
