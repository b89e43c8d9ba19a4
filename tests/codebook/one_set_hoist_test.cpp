// SPDX-License-Identifier: GPL-3.0-or-later
// Groups as one set of flags flies them: the worked examples of the 1965
// code, the groups it cannot fly, every code of the shipped book, and every
// small group checked against every small hoist.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "codebook/hoist_words.h"
#include "codebook/meanings.h"
#include "codebook/one_set_hoist.h"
#include "codebook/signal_flags.h"
#include "support/shipped_book.h"

using namespace mss::codebook;

namespace {

constexpr int kSub1 = substituteFlag(1), kSub2 = substituteFlag(2), kSub3 = substituteFlag(3);

int flagOf(char c) { return *flagOfGroupCharacter(c); }

// Every flag of the set flies at most once.
::testing::AssertionResult oneSet(const std::vector<int>& flags) {
    std::set<int> seen;
    for (const int f : flags)
        if (!seen.insert(f).second) return ::testing::AssertionFailure() << hoistLine(flags) << " flies " << f << " twice";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(OneSetHoist, WorkedExamplesOfTheCode) {
    struct Case {
        const char* group;
        const char* flown;  // the short names, top first
    };
    const Case cases[] = {
        {"AA", "A, 1-й заменяющий"},
        {"BB1", "B, 1-й заменяющий, 1"},
        {"MAA", "M, A, 2-й заменяющий"},
        {"MMA", "M, 1-й заменяющий, A"},
        {"MSM", "M, S, 1-й заменяющий"},
        // A substitute may repeat a place a substitute holds.
        {"MMM", "M, 1-й заменяющий, 2-й заменяющий"},
        {"AAAA", "A, 1-й заменяющий, 2-й заменяющий, 3-й заменяющий"},
        {"ABCB", "A, B, C, 2-й заменяющий"},
        {"NOON", "N, O, 2-й заменяющий, 1-й заменяющий"},
        // Numerals are counted among numerals.
        {"1100", "1, 1-й заменяющий, 0, 3-й заменяющий"},
        {"L2330", "L, 2, 3, 2-й заменяющий, 0"},
        {"MG300", "M, G, 3, 0, 2-й заменяющий"},
        // A repeat below the third place of its class is fine; only the
        // place repeated counts.
        {"ABCDA", "A, B, C, D, 1-й заменяющий"},
        // The answering pennant is the decimal point and is not counted.
        {"22.2", "2, 1-й заменяющий, ответный вымпел, 2-й заменяющий"},
        {"1.5", "1, ответный вымпел, 5"},
        {"AE1", "A, E, 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        const EncodedHoist encoded = encodeHoist(c.group);
        ASSERT_TRUE(encoded.ok()) << refusalText(*encoded.refusal);
        EXPECT_EQ(hoistLine(encoded.flags), c.flown);
        std::string standsFor;
        for (const FlownFlag& f : encoded.flags) standsFor.push_back(f.standsFor);
        EXPECT_EQ(standsFor, c.group);

        const DecodedHoist decoded = decodeHoist(flagsOf(encoded.flags));
        ASSERT_TRUE(decoded.ok()) << refusalText(*decoded.refusal);
        EXPECT_EQ(decoded.group, c.group);
    }
}

TEST(OneSetHoist, GroupsOneSetCannotFlySayWhy) {
    struct Case {
        const char* group;
        HoistProblem problem;
        std::size_t at;
        const char* text;
    };
    const Case cases[] = {
        {"HH77", HoistProblem::SubstituteTaken, 3,
         "Повторить цифру 7 мог бы только 1-й заменяющий, а он уже повторяет H."},
        {"NN33", HoistProblem::SubstituteTaken, 3,
         "Повторить цифру 3 мог бы только 1-й заменяющий, а он уже повторяет N."},
        {"XX090", HoistProblem::SubstituteTaken, 4,
         "Повторить цифру 0 мог бы только 1-й заменяющий, а он уже повторяет X."},
        {"A1A", HoistProblem::AcrossClasses, 2,
         "Букву A не повторить под цифрой: заменяющий под цифрой повторяет только цифры."},
        {"1A1", HoistProblem::AcrossClasses, 2,
         "Цифру 1 не повторить под буквой: заменяющий под буквой повторяет только буквы."},
        {"12344", HoistProblem::BelowThirdPlace, 4,
         "Цифра 4 стоит на 4-м месте среди цифр, а заменяющие повторяют только три первых места."},
        {"ABCDD", HoistProblem::BelowThirdPlace, 4,
         "Буква D стоит на 4-м месте среди букв, а заменяющие повторяют только три первых места."},
        {"NONNN", HoistProblem::FourthSubstitute, 4,
         "Чтобы ещё раз повторить букву N, понадобился бы 4-й заменяющий, а в наборе их только три."},
        {"1.2.3", HoistProblem::TwoDecimalPoints, 3,
         "В группе две десятичные запятые, а ответный вымпел в наборе один."},
        {"A.1", HoistProblem::DecimalPointMisplaced, 1,
         "Десятичная запятая (ответный вымпел) ставится только между двумя цифрами."},
        {".5", HoistProblem::DecimalPointMisplaced, 0, nullptr},
        {"5.", HoistProblem::DecimalPointMisplaced, 1, nullptr},
        {"1..2", HoistProblem::DecimalPointMisplaced, 1, nullptr},
        {"", HoistProblem::NotAGroup, 0, "Группа пуста: в ней нет ни буквы, ни цифры."},
        {"I-3", HoistProblem::NotAGroup, 1,
         "Знака «-» в группе быть не может: в ней только латинские буквы, цифры и десятичная запятая."},
        {"ae", HoistProblem::NotAGroup, 0, nullptr},
        {"A\xD0\x90", HoistProblem::NotAGroup, 1,
         "В группе могут быть только латинские буквы, цифры и десятичная запятая."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        const EncodedHoist encoded = encodeHoist(c.group);
        ASSERT_FALSE(encoded.ok()) << hoistLine(encoded.flags);
        EXPECT_TRUE(encoded.flags.empty());
        EXPECT_EQ(encoded.refusal->problem, c.problem);
        EXPECT_EQ(encoded.refusal->at, c.at);
        if (c.text) {
            EXPECT_EQ(refusalText(*encoded.refusal), c.text);
        }
    }
}

TEST(OneSetHoist, FlagsThatAreNoHoistOfOneSetSayWhy) {
    const int A = flagOf('A'), M = flagOf('M'), one = flagOf('1'), two = flagOf('2');
    struct Case {
        std::vector<int> flags;
        HoistProblem problem;
        std::size_t at;
        const char* text;
    };
    const std::vector<Case> cases = {
        {{A, A}, HoistProblem::FlagTwice, 1, "Флаг A уже поднят — поднимите заменяющий."},
        {{one, M, one}, HoistProblem::FlagTwice, 2, "Вымпел 1 уже поднят — поднимите заменяющий."},
        {{M, kSub1, kSub1}, HoistProblem::FlagTwice, 2, "1-й заменяющий уже поднят: в наборе он один."},
        {{one, kAnsweringPennant, two, kAnsweringPennant}, HoistProblem::FlagTwice, 3,
         "Ответный вымпел уже поднят: в наборе он один."},
        {{kSub1, A}, HoistProblem::NothingToRepeat, 0,
         "Над 1-м заменяющим нет ни буквы, ни цифры: ему нечего повторять."},
        {{A, kSub2}, HoistProblem::PlaceNotHoisted, 1,
         "2-й заменяющий повторяет вторую букву сверху, а над ним всего одна буква."},
        {{one, two, A, kSub3}, HoistProblem::PlaceNotHoisted, 3,
         "3-й заменяющий повторяет третью букву сверху, а над ним всего одна буква."},
        {{A, one, two, kSub3}, HoistProblem::PlaceNotHoisted, 3,
         "3-й заменяющий повторяет третью цифру сверху, а над ним всего две цифры."},
        {{kAnsweringPennant, one}, HoistProblem::DecimalPointMisplaced, 0, nullptr},
        {{A, kAnsweringPennant, one}, HoistProblem::DecimalPointMisplaced, 1, nullptr},
        {{one, kAnsweringPennant, A}, HoistProblem::DecimalPointMisplaced, 1, nullptr},
        {{one, kAnsweringPennant}, HoistProblem::DecimalPointMisplaced, 1, nullptr},
        {{}, HoistProblem::NotAGroup, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(hoistLine(c.flags));
        const DecodedHoist decoded = decodeHoist(c.flags);
        ASSERT_FALSE(decoded.ok()) << decoded.group;
        EXPECT_TRUE(decoded.group.empty());
        EXPECT_EQ(decoded.refusal->problem, c.problem);
        EXPECT_EQ(decoded.refusal->at, c.at);
        if (c.text) {
            EXPECT_EQ(refusalText(*decoded.refusal), c.text);
        }
    }
    EXPECT_THROW(decodeHoist(std::vector<int>{A, kSignalFlagCount}), std::out_of_range);
}

// A hoist being made flag by flag, as a learner types it.
TEST(OneSetHoist, NextFlagIsRefusedOnlyWhenNoHoistCouldGoOn) {
    const int A = flagOf('A'), M = flagOf('M'), two = flagOf('2');
    struct Case {
        std::vector<int> raised;
        int next;
        std::optional<HoistProblem> problem;
    };
    const std::vector<Case> cases = {
        {{}, M, std::nullopt},
        {{}, kSub1, HoistProblem::NothingToRepeat},
        {{M, A}, A, HoistProblem::FlagTwice},
        {{M, A}, kSub2, std::nullopt},
        {{M, A}, kSub3, HoistProblem::PlaceNotHoisted},
        // The decimal point may be the last so far, not the first.
        {{two}, kAnsweringPennant, std::nullopt},
        {{two, kAnsweringPennant}, kSub1, std::nullopt},
        {{two, kAnsweringPennant}, A, HoistProblem::DecimalPointMisplaced},
        {{}, kAnsweringPennant, HoistProblem::DecimalPointMisplaced},
        // Raised flags that are no hoist say so.
        {{A, A}, M, HoistProblem::FlagTwice},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(hoistLine(c.raised) + " + " + std::string(signalFlag(c.next).shortName));
        const auto refusal = refusalOfNextFlag(c.raised, c.next);
        ASSERT_EQ(refusal.has_value(), c.problem.has_value()) << (refusal ? refusalText(*refusal) : "");
        if (refusal) {
            EXPECT_EQ(refusal->problem, *c.problem);
        }
    }
}

// Every signal of the book flies in one hoist and reads back; the codes that
// need a substitute are the ones the code names.
TEST(OneSetHoist, EveryCodeOfTheShippedBookFliesAndReadsBack) {
    const CodeBook& book = mss::testing::shippedBook();
    std::map<Section, int> withSubstitutes, codes;
    std::vector<std::string> needingFirstInGeneral;
    for (const Section section : {Section::SingleLetter, Section::General, Section::Medical})
        for (const Meaning& m : signalsOf(book, section)) {
            ++codes[section];
            const EncodedHoist encoded = encodeHoist(m.code);
            ASSERT_TRUE(encoded.ok()) << m.code << ": " << refusalText(*encoded.refusal);
            const std::vector<int> flags = flagsOf(encoded.flags);
            EXPECT_TRUE(oneSet(flags));
            const DecodedHoist decoded = decodeHoist(flags);
            ASSERT_TRUE(decoded.ok()) << m.code << ": " << refusalText(*decoded.refusal);
            EXPECT_EQ(decoded.group, m.code);

            std::vector<int> substitutes;
            for (const int f : flags)
                if (isSubstitute(f)) substitutes.push_back(substituteNumber(f));
            if (substitutes.empty()) continue;
            ++withSubstitutes[section];
            EXPECT_EQ(substitutes.size(), 1u) << m.code << " needs two substitutes";
            EXPECT_LE(substitutes.front(), section == Section::Medical ? 2 : 1) << m.code;
            if (section == Section::General) needingFirstInGeneral.push_back(std::string(m.code));
        }
    EXPECT_EQ(codes[Section::SingleLetter] + codes[Section::General] + codes[Section::Medical], 1870);
    EXPECT_EQ(withSubstitutes[Section::SingleLetter], 0);
    EXPECT_EQ(withSubstitutes[Section::General], 43);
    EXPECT_EQ(withSubstitutes[Section::Medical], 53);
    for (const char* code : {"AA", "BB", "BB1", "BB4", "ZZ1"})
        EXPECT_NE(std::find(needingFirstInGeneral.begin(), needingFirstInGeneral.end(), code),
                  needingFirstInGeneral.end())
            << code;
}

// Every hoist of up to eight flags drawn from A, B, 1, 2, the substitutes and
// the answering pennant is read; every group of up to seven characters of
// A, B, 1, 2 and '.' must then fly exactly when some hoist reads as it, and
// as that hoist.
TEST(OneSetHoist, SmallGroupsFlyExactlyAsTheHoistsThatReadAsThem) {
    const std::vector<int> pool = {flagOf('A'), flagOf('B'), flagOf('1'), flagOf('2'),
                                   kSub1,       kSub2,       kSub3,       kAnsweringPennant};
    std::map<std::string, std::vector<int>> hoistOfGroup;
    std::vector<int> hoist;
    std::array<bool, 8> taken{};
    int hoists = 0;
    const auto walk = [&](auto&& self) -> void {
        if (!hoist.empty()) {
            ++hoists;
            const DecodedHoist decoded = decodeHoist(hoist);
            if (decoded.ok()) {
                const auto [at, fresh] = hoistOfGroup.emplace(decoded.group, hoist);
                EXPECT_TRUE(fresh) << decoded.group << " reads from " << hoistLine(at->second) << " and "
                                   << hoistLine(hoist);
            }
        }
        for (std::size_t k = 0; k < pool.size(); ++k) {
            if (taken[k]) continue;
            taken[k] = true;
            hoist.push_back(pool[k]);
            self(self);
            hoist.pop_back();
            taken[k] = false;
        }
    };
    walk(walk);
    EXPECT_EQ(hoists, 109600);

    const std::string alphabet = "AB12.";
    int flying = 0;
    for (std::size_t length = 1; length <= 7; ++length) {
        std::vector<std::size_t> digits(length, 0);
        while (true) {
            std::string group;
            for (const std::size_t d : digits) group.push_back(alphabet[d]);
            const EncodedHoist encoded = encodeHoist(group);
            const auto read = hoistOfGroup.find(group);
            if (read == hoistOfGroup.end()) {
                EXPECT_FALSE(encoded.ok()) << group << " flies as " << hoistLine(encoded.flags);
            } else {
                ++flying;
                EXPECT_TRUE(encoded.ok()) << group << ": " << refusalText(*encoded.refusal);
                EXPECT_EQ(flagsOf(encoded.flags), read->second) << group;
            }
            std::size_t i = 0;
            while (i < length && ++digits[i] == alphabet.size()) digits[i++] = 0;
            if (i == length) break;
        }
    }
    EXPECT_EQ(flying, std::count_if(hoistOfGroup.begin(), hoistOfGroup.end(),
                                    [](const auto& read) { return read.first.size() <= 7; }));
}

// Longer groups of the whole alphabet, and hoists of the whole set, drawn at
// random from a fixed seed.
TEST(OneSetHoist, RandomGroupsAndHoistsRoundTrip) {
    constexpr std::uint32_t kSeed = 20651;
    std::mt19937 random(kSeed);
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ", digits = "0123456789";
    int flew = 0;
    for (int round = 0; round < 20000; ++round) {
        // Few distinct characters, so that repeats are common.
        std::string pool;
        for (int k = 0; k < 3; ++k) pool += letters[random() % letters.size()];
        for (int k = 0; k < 3; ++k) pool += digits[random() % digits.size()];
        pool += '.';
        std::string group;
        const auto length = 1 + random() % 10;
        for (unsigned k = 0; k < length; ++k) group += pool[random() % pool.size()];

        const EncodedHoist encoded = encodeHoist(group);
        if (!encoded.ok()) {
            EXPECT_FALSE(refusalText(*encoded.refusal).empty()) << "seed " << kSeed << ", group " << group;
            continue;
        }
        ++flew;
        const std::vector<int> flags = flagsOf(encoded.flags);
        EXPECT_TRUE(oneSet(flags)) << "seed " << kSeed << ", group " << group;
        const DecodedHoist decoded = decodeHoist(flags);
        EXPECT_EQ(decoded.group, group) << "seed " << kSeed << ", hoist " << hoistLine(flags);
    }
    EXPECT_GT(flew, 2000) << "seed " << kSeed;

    int read = 0;
    for (int round = 0; round < 20000; ++round) {
        std::vector<int> all(kSignalFlagCount);
        for (int k = 0; k < kSignalFlagCount; ++k) all[static_cast<std::size_t>(k)] = k;
        // Substitutes and the answering pennant more often than their share.
        for (int extra = 0; extra < 20; ++extra) all.push_back(kFirstSubstitute + static_cast<int>(random() % 4));
        std::shuffle(all.begin(), all.end(), random);
        std::vector<int> hoist;
        const auto length = 1 + random() % 8;
        for (const int f : all)
            if (hoist.size() < length && std::find(hoist.begin(), hoist.end(), f) == hoist.end()) hoist.push_back(f);
        const DecodedHoist decoded = decodeHoist(hoist);
        if (!decoded.ok()) continue;
        ++read;
        const EncodedHoist encoded = encodeHoist(decoded.group);
        ASSERT_TRUE(encoded.ok()) << "seed " << kSeed << ", group " << decoded.group;
        EXPECT_EQ(flagsOf(encoded.flags), hoist) << "seed " << kSeed << ", group " << decoded.group;
    }
    EXPECT_GT(read, 2000) << "seed " << kSeed;
}
