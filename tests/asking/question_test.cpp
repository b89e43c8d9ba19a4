// SPDX-License-Identifier: GPL-3.0-or-later
// A question about one signal of the shipped code book, as the drill and the
// exam put it, and what an answer to it comes to.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "asking/meaning_choices.h"
#include "asking/question.h"
#include "support/shipped_book.h"

namespace mss::asking {
namespace {

using mss::testing::shippedBook;

constexpr std::uint64_t kSeed = 19650601;

const std::vector<Signal>& signals(SignalSet set) {
    static const std::map<SignalSet, std::vector<Signal>> all = [] {
        std::map<SignalSet, std::vector<Signal>> m;
        for (SignalSet s : kAllSets) m[s] = signalsOfSet(shippedBook(), s);
        return m;
    }();
    return all.at(set);
}

Question asked(SignalSet set, AskMode mode, const char* code, std::uint64_t seed = kSeed) {
    const Signal* signal = findSignal(signals(set), code);
    EXPECT_NE(signal, nullptr) << code;
    return askAbout(set, mode, *signal, signals(set), seededRandomSource(seed));
}

TEST(Question, CarriesItsSignalItsHoistAndOnlyForAMeaningFourChoices) {
    const struct {
        SignalSet set;
        AskMode mode;
        const char* code;
        std::size_t choices;
    } cases[] = {
        {SignalSet::Flags, AskMode::RecogniseFlag, "E", 0},     {SignalSet::SingleLetter, AskMode::Meaning, "V", 4},
        {SignalSet::General, AskMode::Meaning, "AE1", 4},       {SignalSet::General, AskMode::Compose, "AE1", 0},
        {SignalSet::Medical, AskMode::RecogniseFlag, "MAA", 0}, {SignalSet::Tables, AskMode::Meaning, "II-3", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " in mode " + std::string(storedName(c.mode)) + ", seed " +
                     std::to_string(kSeed));
        const Question q = asked(c.set, c.mode, c.code);
        ASSERT_NE(q.signal, nullptr);
        EXPECT_EQ(q.signal->code, c.code);
        EXPECT_EQ(q.set, c.set);
        EXPECT_EQ(q.mode, c.mode);
        EXPECT_EQ(q.hoist, hoistOf(c.set, c.code));
        ASSERT_EQ(q.choices.size(), c.choices);
        if (c.choices == 0) continue;
        ASSERT_LT(q.rightChoice, q.choices.size());
        EXPECT_EQ(q.choices[q.rightChoice], q.signal) << "the right meaning stands where the question says";
        std::set<std::string> texts;
        for (const Signal* s : q.choices) texts.insert(readAs(s->text));
        EXPECT_EQ(texts.size(), q.choices.size()) << "a meaning offered twice";
    }
}

TEST(Question, OneSeedGivesTheSameChoicesAndAnotherSeedMayNot) {
    const Question first = asked(SignalSet::General, AskMode::Meaning, "AE1", kSeed);
    const Question again = asked(SignalSet::General, AskMode::Meaning, "AE1", kSeed);
    EXPECT_EQ(first.choices, again.choices) << "seed " << kSeed;
    EXPECT_EQ(first.rightChoice, again.rightChoice) << "seed " << kSeed;
    bool differs = false;
    for (std::uint64_t seed = kSeed + 1; seed < kSeed + 20 && !differs; ++seed)
        differs = asked(SignalSet::General, AskMode::Meaning, "AE1", seed).choices != first.choices;
    EXPECT_TRUE(differs) << "twenty seeds from " << kSeed << " offered the same wrong meanings";
}

TEST(Question, AnAnswerIsJudgedWithItsSignalAndNoAnswerIsWrong) {
    const struct {
        SignalSet set;
        AskMode mode;
        const char* asked;
        const char* given;
        bool correct;
        bool givenKnown;
    } cases[] = {
        {SignalSet::General, AskMode::Compose, "AE1", "AE1", true, true},
        {SignalSet::General, AskMode::Compose, "WY0", "XB0", true, true},  // another code, the same meaning
        {SignalSet::General, AskMode::RecogniseFlag, "WY0", "XB0", false, true},
        {SignalSet::General, AskMode::Compose, "AE1", "QQ9", false, false},
        {SignalSet::General, AskMode::Compose, "AE1", "", false, false},
        {SignalSet::Flags, AskMode::RecogniseFlag, "E", "", false, false},
        {SignalSet::Medical, AskMode::Meaning, "MAA", "MAB", false, true},
    };
    for (const auto& c : cases) {
        const Question q = asked(c.set, c.mode, c.asked);
        const Outcome outcome = judge(q, c.given, signals(c.set));
        SCOPED_TRACE(std::string(c.asked) + " answered \"" + c.given + "\"");
        EXPECT_EQ(outcome.asked, q.signal);
        EXPECT_EQ(outcome.given, c.given);
        EXPECT_EQ(outcome.correct, c.correct);
        ASSERT_EQ(outcome.givenSignal != nullptr, c.givenKnown);
        if (c.givenKnown) {
            EXPECT_EQ(outcome.givenSignal->code, c.given);
        }
    }
}

}  // namespace
}  // namespace mss::asking
