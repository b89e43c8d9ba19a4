// SPDX-License-Identifier: GPL-3.0-or-later
// The signals of each set as the shipped code book gives them, their
// hoists, what the learner may type, and whether an answer is right.

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "asking/meaning_choices.h"
#include "asking/set_signals.h"
#include "support/shipped_book.h"

namespace mss::asking {
namespace {

using mss::testing::shippedBook;

constexpr std::uint64_t kSeed = 19650418;

const std::vector<Signal>& signals(SignalSet set) {
    static const std::map<SignalSet, std::vector<Signal>> all = [] {
        std::map<SignalSet, std::vector<Signal>> m;
        for (SignalSet s : kAllSets) m[s] = signalsOfSet(shippedBook(), s);
        return m;
    }();
    return all.at(set);
}

TEST(SetSignals, EverySetHoldsItsSignalsOnceEach) {
    const struct {
        SignalSet set;
        std::size_t count;
        const char* first;
        const char* last;
        std::size_t reconstructed;
    } cases[] = {
        {SignalSet::Flags, 40, "A", "ответный вымпел", 0}, {SignalSet::SingleLetter, 25, "A", "Z", 0},
        {SignalSet::General, 1403, "AA", "ZZ1", 0},  // reconstructed: checked below
        {SignalSet::Medical, 442, "MAA", "MVU", 0},        {SignalSet::Tables, 29, "I-1", "III-9", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(storedName(c.set)));
        const auto& all = signals(c.set);
        ASSERT_EQ(all.size(), c.count);
        EXPECT_EQ(all.front().code, c.first);
        EXPECT_EQ(all.back().code, c.last);
        std::set<std::string> codes;
        std::size_t reconstructed = 0;
        for (const Signal& s : all) {
            EXPECT_TRUE(codes.insert(s.code).second) << s.code << " twice";
            EXPECT_FALSE(s.text.empty()) << s.code;
            if (s.reconstructed) ++reconstructed;
        }
        if (c.set != SignalSet::General) {
            EXPECT_EQ(reconstructed, c.reconstructed);
        }
    }
    EXPECT_EQ(findSignal(signals(SignalSet::SingleLetter), "R"), nullptr) << "R has no single-letter meaning";
}

TEST(SetSignals, ASignalCarriesItsTextItsSourceAndItsGroup) {
    const struct {
        SignalSet set;
        const char* code;
        const char* text;
        bool reconstructed;
        const char* group;
    } cases[] = {
        {SignalSet::Flags, "E", "Эко", false, "letter"},
        {SignalSet::Flags, "0", "Надазэро", false, "numeral"},
        {SignalSet::Flags, "2-й заменяющий", "2-й заменяющий вымпел", false, "special"},
        {SignalSet::Flags, "ответный вымпел", "ответный вымпел", false, "special"},
        {SignalSet::SingleLetter, "Y", "Меня дрейфует на якоре ", false, ""},
        {SignalSet::General, "XB0", "Штиль, зеркально-гладкое море, высота волны 0", false, "X"},
        {SignalSet::General, "XE1", "Слабая зыбь (высота до 2 м), короткая или средняя (длина до 200 м).", true, "X"},
        {SignalSet::Medical, "MBA", "Больной ранее перенес ..... (таблица М-II).", false, "B"},
        {SignalSet::Tables, "II-3", "Водоотливные средства.", false, "II"},
    };
    for (const auto& c : cases) {
        const Signal* s = findSignal(signals(c.set), c.code);
        ASSERT_NE(s, nullptr) << c.code;
        EXPECT_EQ(s->text, c.text) << c.code;
        EXPECT_EQ(s->reconstructed, c.reconstructed) << c.code;
        EXPECT_EQ(s->group, c.group) << c.code;
    }
}

TEST(SetSignals, TheHoistOfASignal) {
    const struct {
        SignalSet set;
        const char* code;
        HoistOfSignal hoist;
    } cases[] = {
        // The flags as one set flies them: a repeat is a substitute (36..38).
        {SignalSet::Flags, "E", {false, "", "E", {4}}},
        {SignalSet::Flags, "7", {false, "", "7", {32}}},
        {SignalSet::Flags, "1-й заменяющий", {false, "", "1-й заменяющий", {36}}},
        {SignalSet::Flags, "ответный вымпел", {false, "", "ответный вымпел", {39}}},
        {SignalSet::SingleLetter, "A", {false, "", "A", {0}}},
        {SignalSet::General, "AE1", {false, "", "AE1", {0, 4, 26}}},
        {SignalSet::General, "MM", {false, "", "MM", {12, 36}}},
        {SignalSet::Medical, "MAA", {true, "", "AA", {12, 0, 37}}},
        {SignalSet::Medical, "MMA", {true, "", "MA", {12, 36, 0}}},
        {SignalSet::Tables, "II-3", {false, "II", "3", {28}}},
        {SignalSet::Tables, "III-0", {false, "III", "0", {35}}},
    };
    for (const auto& c : cases) {
        const HoistOfSignal hoist = hoistOf(c.set, c.code);
        EXPECT_EQ(hoist, c.hoist) << c.code << ": M " << hoist.medicalM << ", table \"" << hoist.table << "\", flags \""
                                  << hoist.flags << '"';
    }
}

TEST(SetSignals, WhatTheLearnerTypesAndTheCodeItMakes) {
    const struct {
        SignalSet set;
        const char* asked;
        const char* typed;
        const char* code;
    } cases[] = {
        {SignalSet::Flags, "E", "Q", "Q"},        {SignalSet::General, "AE1", "AE", "AE"},
        {SignalSet::Medical, "MAA", "AB", "MAB"}, {SignalSet::Tables, "II-3", "5", "II-5"},
        {SignalSet::Tables, "I-1", "0", "I-0"},
    };
    for (const auto& c : cases) EXPECT_EQ(codeOfTyped(c.set, c.asked, c.typed), c.code) << c.asked << " " << c.typed;

    const struct {
        SignalSet set;
        std::size_t atMost;
        const char* accepted;
        const char* refused;
    } keys[] = {
        {SignalSet::Flags, 1, "AZ09", "a-Ё "}, {SignalSet::SingleLetter, 1, "AZ09", "a "},
        {SignalSet::General, 3, "AZ09", "z."}, {SignalSet::Medical, 2, "AMZ", "019a"},
        {SignalSet::Tables, 1, "0159", "AMZ"},
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
        SignalSet set;
        AskMode mode;
        const char* asked;
        const char* given;
        bool right;
    } cases[] = {
        {SignalSet::Flags, AskMode::RecogniseFlag, "E", "E", true},
        {SignalSet::Flags, AskMode::RecogniseFlag, "E", "F", false},
        {SignalSet::Flags, AskMode::Compose, "0", "0", true},
        {SignalSet::General, AskMode::RecogniseFlag, "WY0", "XB0", false},  // the flags differ
        {SignalSet::General, AskMode::Compose, "WY0", "XB0", true},         // the meaning is the same
        {SignalSet::General, AskMode::Meaning, "XH1", "XE1", true},
        {SignalSet::General, AskMode::Compose, "AE1", "AE", false},
        {SignalSet::General, AskMode::Compose, "AE1", "QQ9", false},  // no such signal
        {SignalSet::General, AskMode::Compose, "AE1", "", false},
        {SignalSet::Medical, AskMode::Compose, "MAA", "MAA", true},
        {SignalSet::Medical, AskMode::Compose, "MAA", "MAB", false},
        {SignalSet::Tables, AskMode::Compose, "II-3", "II-3", true},
        {SignalSet::Tables, AskMode::Compose, "II-3", "III-3", false},
    };
    for (const auto& c : cases) {
        const Signal* asked = findSignal(signals(c.set), c.asked);
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
        const Signal* s = findSignal(signals(SignalSet::General), c.code);
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
    for (SignalSet set : kAllSets)
        for (const Signal& s : signals(set))
            EXPECT_FALSE(namesAsWord(meaningToCompose(s), s.code)) << s.code << ": " << meaningToCompose(s);
}

TEST(SetSignals, EverySignalOfTheBookGetsFourDifferentMeaningsToChooseFrom) {
    for (SignalSet set : kAllSets) {
        const auto& all = signals(set);
        std::vector<ChoiceCandidate> candidates;
        std::map<std::string, std::set<std::string>> textsOfGroup;
        for (const Signal& s : all) {
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
}  // namespace mss::asking
