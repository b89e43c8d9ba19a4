// SPDX-License-Identifier: GPL-3.0-or-later
// Which forms of the rows the word table takes for one word beyond the
// stemmer: stems a fleeting vowel apart, and for a word the rows do not
// have, a stem one ending letter away.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/russian_stemmer.h"
#include "search/word_groups.h"
#include "search/word_table.h"

namespace {

using namespace mss::search;

TEST(WordTable, FleetingVowelsApartAreOneWord) {
    struct Case {
        const char* key;
        const char* without;
    };
    const Case cases[] = {
        {"шлюпок", "шлюпк"}, {"ветер", "ветр"}, {"огон", "огн"}, {"ребенок", "ребенк"},
        {"пожар", ""},  // а is no fleeting vowel
        {"пеленг", ""}, // two consonants at the end
        {"сел", ""},    // too short to tell
        {"лоцма", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(WordTable::withoutFleetingVowel(c.key), c.without) << c.key;

    RussianStemmer stemmer;
    const WordGroups groups(WordForms{}, stemmer);
    const WordTable table({{"DF", Section::General, "У меня пять шлюпок", false},
                           {"DH", Section::General, "У меня нет ни шлюпки, ни плота", false},
                           {"DX", Section::General, "Я дрейфую", false},
                           {"LO", Section::General, "Лоцман прибудет", false}},
                          groups, stemmer);
    const auto word = [&](const char* form) { return table.wordOfForm(*table.formId(form)); };
    EXPECT_EQ(word("шлюпок"), word("шлюпки"));
    EXPECT_EQ(table.rowsWithWord(word("шлюпок")).size(), 2u);
    // Either stem finds the word.
    EXPECT_EQ(table.wordId(stemmer.stem("шлюпок")), table.wordId(stemmer.stem("шлюпку")));
}

TEST(WordTable, AWordTheRowsLackStandsForAStemOneEndingAway) {
    RussianStemmer stemmer;
    const WordGroups groups(WordForms{}, stemmer);
    const auto nearIn = [&](const char* text, const char* typed) {
        const WordTable table({{"DX", Section::General, text, false}}, groups, stemmer);
        std::vector<std::string> keys;
        for (std::uint32_t w : table.wordsNear(groups.keyOf(typed, stemmer))) keys.push_back(table.wordKey(w));
        return keys;
    };
    // «дрейфуем» is «дрейфу», the book's «дрейфую» «дрейф»: one letter less, and the other way round.
    EXPECT_EQ(nearIn("Я дрейфую", "дрейфуем"), std::vector<std::string>{"дрейф"});
    EXPECT_EQ(nearIn("Мы дрейфуем", "дрейфую"), std::vector<std::string>{"дрейфу"});
    // Stems of four letters are too short to tell: «лоцм» is no «лоцма».
    EXPECT_TRUE(nearIn("Лоцман прибудет", "лоцмы").empty());
    EXPECT_TRUE(nearIn("Я дрейфую", "якорь").empty());
}

}  // namespace
