// SPDX-License-Identifier: GPL-3.0-or-later
// The signals of each drill set as the shipped code book gives them, their
// hoists, what the learner may type, and whether an answer is right.

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "drill/meaning_choices.h"
#include "drill/set_signals.h"
#include "support/shipped_book.h"

namespace mss::drill {
namespace {

using mss::testing::shippedBook;

constexpr std::uint64_t kSeed = 19650418;

const std::vector<DrillSignal>& signals(DrillSet set) {
    static const std::map<DrillSet, std::vector<DrillSignal>> all = [] {
        std::map<DrillSet, std::vector<DrillSignal>> m;
        for (DrillSet s : kAllSets) m[s] = signalsOfSet(shippedBook(), s);
        return m;
    }();
    return all.at(set);
}

TEST(SetSignals, EverySetHoldsItsSignalsOnceEach) {
    const struct {
        DrillSet set;
        std::size_t count;
        const char* first;
        const char* last;
        std::size_t reconstructed;
    } cases[] = {
        {DrillSet::Flags, 40, "A", "ответный вымпел", 0},
        {DrillSet::SingleLetter, 25, "A", "Z", 0},
        {DrillSet::General, 1403, "AA", "ZZ1", 0},  // reconstructed: checked below
        {DrillSet::Medical, 442, "MAA", "MVU", 0},
        {DrillSet::Tables, 29, "I-1", "III-9", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(storedName(c.set)));
        const auto& all = signals(c.set);
        ASSERT_EQ(all.size(), c.count);
        EXPECT_EQ(all.front().code, c.first);
        EXPECT_EQ(all.back().code, c.last);
        std::set<std::string> codes;
        std::size_t reconstructed = 0;
        for (const DrillSignal& s : all) {
            EXPECT_TRUE(codes.insert(s.code).second) << s.code << " twice";
            EXPECT_FALSE(s.text.empty()) << s.code;
            if (s.reconstructed) ++reconstructed;
        }
        if (c.set != DrillSet::General) {
            EXPECT_EQ(reconstructed, c.reconstructed);
        }
    }
    EXPECT_EQ(findSignal(signals(DrillSet::SingleLetter), "R"), nullptr) << "R has no single-letter meaning";
}

TEST(SetSignals, ASignalCarriesItsTextItsSourceAndItsGroup) {
    const struct {
        DrillSet set;
        const char* code;
        const char* text;
        bool reconstructed;
        const char* group;
    } cases[] = {
        {DrillSet::Flags, "E", "Эко", false, "letter"},
        {DrillSet::Flags, "0", "Надазэро", false, "numeral"},
        {DrillSet::Flags, "2-й заменяющий", "2-й заменяющий вымпел", false, "special"},
        {DrillSet::Flags, "ответный вымпел", "ответный вымпел", false, "special"},
        {DrillSet::SingleLetter, "Y", "Меня дрейфует на якоре ", false, ""},
        {DrillSet::General, "XB0", "Штиль, зеркально-гладкое море, высота волны 0", false, "X"},
        {DrillSet::General, "XE1", "Слабая зыбь (высота до 2 м), короткая или средняя (длина до 200 м).", true, "X"},
        {DrillSet::Medical, "MBA", "Больной ранее перенес ..... (таблица М-II).", false, "B"},
        {DrillSet::Tables, "II-3", "Водоотливные средства.", false, "II"},
    };
    for (const auto& c : cases) {
        const DrillSignal* s = findSignal(signals(c.set), c.code);
        ASSERT_NE(s, nullptr) << c.code;
        EXPECT_EQ(s->text, c.text) << c.code;
        EXPECT_EQ(s->reconstructed, c.reconstructed) << c.code;
        EXPECT_EQ(s->group, c.group) << c.code;
    }
}

TEST(SetSignals, TheHoistOfASignal) {
    const struct {
        DrillSet set;
        const char* code;
        HoistOfSignal hoist;
    } cases[] = {
        // The flags as one set flies them: a repeat is a substitute (36..38).
        {DrillSet::Flags, "E", {false, "", "E", {4}}},
        {DrillSet::Flags, "7", {false, "", "7", {32}}},
        {DrillSet::Flags, "1-й заменяющий", {false, "", "1-й заменяющий", {36}}},
        {DrillSet::Flags, "ответный вымпел", {false, "", "ответный вымпел", {39}}},
        {DrillSet::SingleLetter, "A", {false, "", "A", {0}}},
        {DrillSet::General, "AE1", {false, "", "AE1", {0, 4, 26}}},
        {DrillSet::General, "MM", {false, "", "MM", {12, 36}}},
        {DrillSet::Medical, "MAA", {true, "", "AA", {12, 0, 37}}},
        {DrillSet::Medical, "MMA", {true, "", "MA", {12, 36, 0}}},
        {DrillSet::Tables, "II-3", {false, "II", "3", {28}}},
        {DrillSet::Tables, "III-0", {false, "III", "0", {35}}},
    };
    for (const auto& c : cases) {
        const HoistOfSignal hoist = hoistOf(c.set, c.code);
        EXPECT_EQ(hoist, c.hoist) << c.code << ": M " << hoist.medicalM << ", table \"" << hoist.table
                                  << "\", flags \"" << hoist.flags << '"';
    }
}

TEST(SetSignals, WhatTheLearnerTypesAndTheCodeItMakes) {
    const struct {
        DrillSet set;
        const char* asked;
        const char* typed;
        const char* code;
    } cases[] = {
        {DrillSet::Flags, "E", "Q", "Q"},
        {DrillSet::General, "AE1", "AE", "AE"},
        {DrillSet::Medical, "MAA", "AB", "MAB"},
        {DrillSet::Tables, "II-3", "5", "II-5"},
        {DrillSet::Tables, "I-1", "0", "I-0"},
    };
    for (const auto& c : cases) EXPECT_EQ(codeOfTyped(c.set, c.asked, c.typed), c.code) << c.asked << " " << c.typed;

    const struct {
        DrillSet set;
        std::size_t atMost;
        const char* accepted;
        const char* refused;
    } keys[] = {
        {DrillSet::Flags, 1, "AZ09", "a-Ё "},
        {DrillSet::SingleLetter, 1, "AZ09", "a "},
        {DrillSet::General, 3, "AZ09", "z."},
        {DrillSet::Medical, 2, "AMZ", "019a"},
        {DrillSet::Tables, 1, "0159", "AMZ"},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(std::string(storedName(k.set)));
        EXPECT_EQ(typedFlagsAtMost(k.set), k.atMost);
        for (const char* c = k.accepted; *c; ++c) EXPECT_TRUE(mayType(k.set, *c)) << *c;
        for (const char* c = k.refused; *c; ++c) EXPECT_FALSE(mayType(k.set, *c)) << *c;
    }
}

TEST(SetSignals, AnAnswerIsRightForItsCodeAndWhenComposedForEveryCodeThatReadsTheSame) {
    const struct {
        DrillSet set;
        DrillMode mode;
        const char* asked;
        const char* given;
        bool right;
    } cases[] = {
        {DrillSet::Flags, DrillMode::RecogniseFlag, "E", "E", true},
        {DrillSet::Flags, DrillMode::RecogniseFlag, "E", "F", false},
        {DrillSet::Flags, DrillMode::Compose, "0", "0", true},
        {DrillSet::General, DrillMode::RecogniseFlag, "WY0", "XB0", false},  // the flags differ
        {DrillSet::General, DrillMode::Compose, "WY0", "XB0", true},         // the meaning is the same
        {DrillSet::General, DrillMode::Meaning, "XH1", "XE1", true},
        {DrillSet::General, DrillMode::Compose, "AE1", "AE", false},
        {DrillSet::General, DrillMode::Compose, "AE1", "QQ9", false},         // no such signal
        {DrillSet::General, DrillMode::Compose, "AE1", "", false},
        {DrillSet::Medical, DrillMode::Compose, "MAA", "MAA", true},
        {DrillSet::Medical, DrillMode::Compose, "MAA", "MAB", false},
        {DrillSet::Tables, DrillMode::Compose, "II-3", "II-3", true},
        {DrillSet::Tables, DrillMode::Compose, "II-3", "III-3", false},
    };
    for (const auto& c : cases) {
        const DrillSignal* asked = findSignal(signals(c.set), c.asked);
        ASSERT_NE(asked, nullptr) << c.asked;
        EXPECT_EQ(isRightAnswer(c.mode, *asked, c.given, signals(c.set)), c.right)
            << c.asked << " answered " << c.given << " in mode " << storedName(c.mode);
    }
}

// Every signal of the book, asked what it means: four different texts, the
// wrong ones from its own group while the group has enough.
TEST(SetSignals, AMeaningToComposeHidesItsOwnCode) {
    // The three signals of the book whose meaning names their code, and one that does not.
    const struct {
        const char* code;
        const char* hidden;  // what must be in the meaning to compose
    } cases[] = {{"AA", "(RPT ?? "}, {"AB", "(RPT ?? "}, {"BN", "(RPT ?? "}, {"AE1", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const DrillSignal* s = findSignal(signals(DrillSet::General), c.code);
        ASSERT_NE(s, nullptr);
        const std::string composed = meaningToCompose(*s);
        if (*c.hidden == '\0') {
            EXPECT_EQ(composed, s->text);
        } else {
            EXPECT_NE(composed.find(c.hidden), std::string::npos) << composed;
            EXPECT_NE(s->text.find("RPT " + s->code), std::string::npos) << "the answer keeps the code";
        }
    }
    // No signal of any set asks for a meaning that names it.
    const auto namesAsWord = [](const std::string& text, const std::string& code) {
        const auto word = [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; };
        for (auto at = text.find(code); at != std::string::npos; at = text.find(code, at + 1))
            if ((at == 0 || !word(text[at - 1])) && (at + code.size() == text.size() || !word(text[at + code.size()])))
                return true;
        return false;
    };
    for (DrillSet set : kAllSets)
        for (const DrillSignal& s : signals(set))
            EXPECT_FALSE(namesAsWord(meaningToCompose(s), s.code)) << s.code << ": " << meaningToCompose(s);
}

TEST(SetSignals, EverySignalOfTheBookGetsFourDifferentMeaningsToChooseFrom) {
    for (DrillSet set : kAllSets) {
        const auto& all = signals(set);
        std::vector<ChoiceCandidate> candidates;
        std::map<std::string, std::set<std::string>> textsOfGroup;
        for (const DrillSignal& s : all) {
            candidates.push_back({s.text, s.group});
            textsOfGroup[s.group].insert(readAs(s.text));
        }
        const RandomSource random = seededRandomSource(kSeed);
        for (std::size_t asked = 0; asked < all.size(); ++asked) {
            SCOPED_TRACE(all[asked].code + ", seed " + std::to_string(kSeed));
            const MeaningChoices choices = chooseMeaningChoices(candidates, asked, random);
            ASSERT_EQ(choices.offered.size(), kMeaningChoiceCount);
            EXPECT_EQ(choices.offered[choices.rightPlace], asked);
            std::set<std::string> texts;
            bool allOfGroup = true;
            for (std::size_t i : choices.offered) {
                texts.insert(readAs(all[i].text));
                allOfGroup = allOfGroup && all[i].group == all[asked].group;
            }
            EXPECT_EQ(texts.size(), kMeaningChoiceCount);
            if (textsOfGroup[all[asked].group].size() >= kMeaningChoiceCount) {
                EXPECT_TRUE(allOfGroup);
            }
        }
    }
}

}  // namespace
}  // namespace mss::drill
