// SPDX-License-Identifier: GPL-3.0-or-later
// Which words of the rows a mistyped word is taken for, and what is shown
// for it.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "search/russian_stemmer.h"
#include "search/typo_matcher.h"
#include "search/word_groups.h"
#include "search/word_table.h"

namespace {

using namespace mss::search;

struct Fixture {
    RussianStemmer stemmer;
    WordGroups groups{WordForms{}, stemmer};
    WordTable table{{
                        {"IT", Section::General, "У меня пожар.", false},
                        {"IV", Section::General, "Где пожар?", false},
                        {"IX", Section::General, "Пожара нет.", false},
                        {"O", Section::SingleLetter, "Человек за бортом", false},
                        {"G", Section::SingleLetter, "Мне нужен лоцман", false},
                        {"VX", Section::General, "Я видел айсберги и обломки айсбергов", false},
                        {"MFE", Section::Medical, "Кровотечение сильное.", true},
                        {"MEZ", Section::Medical, "Припухлость горячая и красная.", true},
                        {"ML2", Section::General, "Корпус значительно возвышается над водой.", false},
                        {"PI1", Section::General, "Я держу прежний курс.", false},
                    },
                    groups, stemmer};
    TypoMatcher typos{table};

    std::optional<Correction> correct(const std::string& word, bool beginning) {
        return typos.correct(table, word, stemmer.stem(word), beginning);
    }
    std::vector<std::string> forms(const std::vector<std::uint32_t>& ids) const {
        std::vector<std::string> out;
        for (std::uint32_t id : ids) out.push_back(table.form(id));
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST(TypoMatcher, TakesAMistypedWordForTheNearestWordsOfTheRows) {
    Fixture f;
    struct Case {
        std::string typed;
        bool beginning;
        int edits;
        std::vector<std::string> forms;  // near as a whole
        std::vector<std::string> begun;  // near by a beginning only
        std::string shown;
    };
    const Case cases[] = {
        {"пажар", false, 1, {"пожар"}, {}, "пожар"},          // a letter changed
        {"бртом", false, 1, {"бортом"}, {}, "бортом"},         // a letter dropped
        {"лоцмна", false, 1, {"лоцман"}, {}, "лоцман"},        // two letters swapped
        {"кровотичение", false, 1, {"кровотечение"}, {}, "кровотечение"},
        // Of two equally near forms, the one more rows hold is shown.
        {"пожарк", false, 1, {"пожар", "пожара"}, {}, "пожар"},
        // Being typed: the beginnings of forms count too.
        {"пажар", true, 1, {"пожар"}, {"пожара"}, "пожар"},
        {"пажа", true, 1, {}, {"пожар", "пожара"}, "пожа"},
        {"лацм", true, 1, {}, {"лоцман"}, "лоцм"},
    };
    for (const Case& c : cases) {
        const auto found = f.correct(c.typed, c.beginning);
        ASSERT_TRUE(found.has_value()) << "«" << c.typed << "»";
        EXPECT_EQ(found->edits, c.edits) << "«" << c.typed << "»";
        EXPECT_EQ(f.forms(found->forms), c.forms) << "«" << c.typed << "»";
        EXPECT_EQ(f.forms(found->begun), c.begun) << "«" << c.typed << "»";
        EXPECT_EQ(found->shown, c.shown) << "«" << c.typed << "»";
    }
}

TEST(TypoMatcher, FallsBackOnStemsWhereNoFormIsNear) {
    Fixture f;
    // Two edits from every form, one from the stem «айсберг».
    const auto found = f.correct("айсберками", false);
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(found->forms.empty());
    ASSERT_EQ(found->words.size(), 1u);
    EXPECT_EQ(f.table.wordKey(found->words.front()), f.stemmer.stem("айсберги"));
    EXPECT_EQ(found->shown, "айсберги");
}

TEST(TypoMatcher, LeavesShortAndFarWordsAlone) {
    Fixture f;
    for (const char* word : {"пжр", "кот", "я", "пжаррр", "абвгдеж"})
        EXPECT_FALSE(f.correct(word, false).has_value()) << "«" << word << "»";
    // Four or five letters may be one edit off, not two.
    EXPECT_FALSE(f.correct("пжаа", false).has_value());
}

TEST(TypoMatcher, TakesNoRightWordWithAShortStemForAnotherWord) {
    Fixture f;
    // Two edits from «красная», «значит», and a stem of five letters one
    // edit from «прежн»: short stems, so other words, whole or being typed.
    for (const char* word : {"пресная", "знобит", "пресной"}) {
        EXPECT_FALSE(f.correct(word, false).has_value()) << "«" << word << "»";
        EXPECT_FALSE(f.correct(word, true).has_value()) << "«" << word << "», being typed";
    }
    // One edit in a short stem is still a slip; two in a long stem too.
    EXPECT_TRUE(f.correct("краснся", false).has_value());
    EXPECT_TRUE(f.correct("кравотичение", false).has_value());

    struct Case {
        std::size_t letters, stemLetters;
        int edits;
    };
    for (const Case c : {Case{3, 3, 0}, Case{4, 4, 1}, Case{5, 5, 1}, Case{7, 5, 1}, Case{9, 7, 1}, Case{6, 6, 1},
                         Case{10, 8, 2}, Case{12, 10, 2}})
        EXPECT_EQ(TypoMatcher::allowedEdits(c.letters, c.stemLetters), c.edits)
            << c.letters << " letters, a stem of " << c.stemLetters;
    // Stems alone: none under six letters, one edit up to seven, two beyond.
    for (const auto& [letters, edits] : {std::pair{5u, 0}, std::pair{6u, 1}, std::pair{7u, 1}, std::pair{8u, 2}})
        EXPECT_EQ(TypoMatcher::allowedStemEdits(letters), edits) << "a stem of " << letters;
}

}  // namespace
