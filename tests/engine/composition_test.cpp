// SPDX-License-Identifier: GPL-3.0-or-later
// Putting a signal up by its composition, as the search window does, ends
// exactly where a learner typing the code ends: the scenario runner's
// `choose` and `press` lines give the same state, and the meaning line shows
// the code's own row (a row of a table of complements is its digit pressed
// once the table is chosen). Every code is tried from a freshly loaded window, and a
// seeded sample one after another on one window, as searches follow one
// another.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "codebook/flag_catalogue.h"
#include "codebook/meanings.h"
#include "codebook/signal_directory.h"
#include "engine/composition.h"
#include "engine/engine.h"
#include "support/learner_typing.h"
#include "support/scenario.h"
#include "support/shipped_book.h"

namespace {

using namespace mss::engine;
using mss::codebook::Meaning;
using mss::testing::shippedBook;
using mss::testing::typeAsALearner;

std::uint64_t seedOfRun() {
    if (const char* text = std::getenv("MSS65_SEED"); text != nullptr && *text != '\0')
        return std::strtoull(text, nullptr, 10);
    return 20260417;
}

Meaning meaningOf(const std::string& code) {
    const auto m = mss::codebook::meaningOf(shippedBook(), code);
    if (!m) throw std::invalid_argument("no such code in the shipped book: " + code);
    return *m;
}

// Plays a composition as the window does, each key only while its keyboard
// is on view.
void compose(Engine& e, const Composition& c) {
    e.chooseSection(c.section);
    for (const KeyId& key : c.keys) {
        ASSERT_TRUE(e.isOnView(key)) << "key " << key.flag << " of keyboard " << int(key.keyboard) << " is hidden";
        e.pressKey(key);
    }
}

// Composes `code` on `composed` and types it on `typed`, and compares them.
void expectSameAsTyped(Engine& composed, Engine& typed, const std::string& code) {
    SCOPED_TRACE(code);
    const Meaning m = meaningOf(code);
    const auto composition = compositionOf(code);
    ASSERT_TRUE(composition);
    EXPECT_EQ(composition->section, m.section);
    ASSERT_NO_FATAL_FAILURE(compose(composed, *composition));
    typeAsALearner(typed, m);
    EXPECT_EQ(mss::scenario::describe(composed), mss::scenario::describe(typed));

    // The meaning line shows the code's row, and the hoist its flags.
    EXPECT_TRUE(composed.isShown(elementOf(m.list)));
    EXPECT_EQ(composed.editField(m.list), EditField::Row);
    EXPECT_EQ(composed.selection(m.list), m.row);
    // What the hoist shows, top down: the medical M stands in for the first
    // position, which keeps its flag hidden; a table's row is its digit's
    // pennant alone.
    std::string hoisted;
    if (composed.isShown(Element::MedicalFlagM)) hoisted += 'M';
    for (HoistPosition p : kHoistPositions) {
        if (p == HoistPosition::First && !composed.isShown(Element::FirstFlagPosition)) continue;
        if (composed.flagAt(p) != kNoFlag) hoisted += mss::codebook::symbolOfFlag(composed.flagAt(p));
    }
    const std::string flown = mss::codebook::isComplementTable(m.section) ? code.substr(code.find('-') + 1) : code;
    EXPECT_EQ(hoisted, flown);
}

Engine loaded() {
    Engine e;
    e.load();
    return e;
}

std::vector<std::string> everyCode() {
    std::vector<std::string> codes;
    for (const auto& c : mss::codebook::SignalDirectory::instance().codes()) codes.push_back(c.code.text());
    return codes;
}

TEST(Composition, EveryCodeFromAFreshWindowEndsAsTypingIt) {
    const std::vector<std::string> codes = everyCode();
    ASSERT_EQ(codes.size(), 1899u);
    for (const std::string& code : codes) {
        Engine composed = loaded(), typed = loaded();
        expectSameAsTyped(composed, typed, code);
        if (HasFailure()) return;  // one code's report is enough to read
    }
}

TEST(Composition, CodesOneAfterAnotherOnOneWindowEndAsTypingThem) {
    // Every single letter, the codes at the edges of each list and where
    // lists meet, then a random sample of all codes.
    std::vector<std::string> codes;
    for (const auto& m : mss::codebook::signalsOf(shippedBook(), Section::SingleLetter)) codes.emplace_back(m.code);
    for (const char* c : {"AA", "JE", "JM", "JN", "JO5", "QU", "RA", "WY0", "XB0", "XE9", "XH9", "ZZ1", "MAA",
                          "MLQ", "MVU", "I-1", "I-9", "II-0", "II-9", "III-0", "III-9", "JE", "MAA", "A"})
        codes.emplace_back(c);
    const std::uint64_t seed = seedOfRun();
    std::mt19937_64 rng(seed);
    const std::vector<std::string> all = everyCode();
    std::uniform_int_distribution<std::size_t> pickCode(0, all.size() - 1);
    for (int i = 0; i < 400; ++i) codes.push_back(all[pickCode(rng)]);

    Engine composed = loaded(), typed = loaded();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " (MSS65_SEED replays it), code " + std::to_string(i + 1) +
                     " of the walk");
        expectSameAsTyped(composed, typed, codes[i]);
        if (HasFailure()) return;
    }
}

TEST(Composition, ACodeTheBookLacksHasNone) {
    for (const char* code : {"", "R", "ae1", "AE 1", "AE12", "ZZ9", "MAAA", "M1A", "I-0", "IV-1", "I3", "-"})
        EXPECT_FALSE(compositionOf(code)) << '"' << code << '"';
}

TEST(Composition, KeysAreOnTheKeyboardsALearnerUses) {
    struct Case {
        const char* code;
        Section section;
        std::vector<Keyboard> keyboards;
    };
    const std::vector<Case> cases{
        {"Q", Section::SingleLetter, {Keyboard::SingleLetter}},
        {"JN", Section::General, {Keyboard::FirstFlag, Keyboard::SecondLetter}},
        {"AE1", Section::General, {Keyboard::FirstFlag, Keyboard::SecondLetter, Keyboard::SecondLetter}},
        {"MLQ", Section::Medical, {Keyboard::SecondLetter, Keyboard::ThirdLetter}},
        {"II-0", Section::TableII, {Keyboard::ThirdLetter}},
        {"I-9", Section::TableI, {Keyboard::ThirdLetter}},
    };
    for (const Case& c : cases) {
        const auto composition = compositionOf(c.code);
        ASSERT_TRUE(composition) << c.code;
        EXPECT_EQ(composition->section, c.section) << c.code;
        std::vector<Keyboard> keyboards;
        for (const KeyId& key : composition->keys) keyboards.push_back(key.keyboard);
        EXPECT_EQ(keyboards, c.keyboards) << c.code;
    }
    EXPECT_EQ(compositionOf("II-9")->keys, std::vector<KeyId>{KeyId::flagKey(Keyboard::ThirdLetter, 34)});
}

}  // namespace
