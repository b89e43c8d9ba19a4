// SPDX-License-Identifier: GPL-3.0-or-later
// What counts as a word of a text or a query, and where each word stands.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "search/word_reader.h"

namespace {

using mss::search::bytesOfFoldedPrefix;
using mss::search::WordReader;

struct ReadWord {
    std::string original;  // the bytes of the text the word covers
    std::string folded;
    friend bool operator==(const ReadWord&, const ReadWord&) = default;
    friend std::ostream& operator<<(std::ostream& out, const ReadWord& w) {
        return out << '"' << w.original << "\" → \"" << w.folded << '"';
    }
};

std::vector<ReadWord> wordsOf(std::string_view text) {
    std::vector<ReadWord> words;
    WordReader reader(text);
    while (reader.next())
        words.push_back({std::string(text.substr(reader.begin(), reader.end() - reader.begin())),
                         std::string(reader.folded())});
    return words;
}

struct Case {
    std::string text;
    std::vector<ReadWord> words;
};

TEST(WordReader, SplitsOnEverythingButLettersAndDigits) {
    const Case cases[] = {
        {"Мой якорь нечист.", {{"Мой", "мой"}, {"якорь", "якорь"}, {"нечист", "нечист"}}},
        // Case of Cyrillic and Latin; ё is е, in both cases.
        {"ЯКОРЬ Ёлка ещё RPT", {{"ЯКОРЬ", "якорь"}, {"Ёлка", "елка"}, {"ещё", "еще"}, {"RPT", "rpt"}}},
        // Quotes of both kinds, parentheses, the ellipsis, dashes.
        {"«Все после…» (RPT AA — \"повторите\")",
         {{"Все", "все"}, {"после", "после"}, {"RPT", "rpt"}, {"AA", "aa"}, {"повторите", "повторите"}}},
        {"широте ...... долготе .....", {{"широте", "широте"}, {"долготе", "долготе"}}},
        // A hyphen joins two words that are found each on its own.
        {"Северо-восток, по-видимому, хочу (-ет)",
         {{"Северо", "северо"}, {"восток", "восток"}, {"по", "по"}, {"видимому", "видимому"}, {"хочу", "хочу"},
          {"ет", "ет"}}},
        // Digits belong to words.
        {"канал 16; 500кгц", {{"канал", "канал"}, {"16", "16"}, {"500кгц", "500кгц"}}},
        // Stress marks and a soft hyphen inside a word are dropped from it.
        {"я\u0301корь лоц\u00ADман", {{"я\u0301корь", "якорь"}, {"лоц\u00ADман", "лоцман"}}},
        // Control characters and invalid UTF-8 separate words.
        {"якорь\x01лоцман\tбуксир\xFFвода\xD0", {{"якорь", "якорь"}, {"лоцман", "лоцман"}, {"буксир", "буксир"},
                                                  {"вода", "вода"}}},
        // Letters of other scripts separate words too.
        {"αβγ якорь", {{"якорь", "якорь"}}},
        // No words at all.
        {"", {}}, {" .,;:!?()[]«»\"—–-…/ ", {}}, {"\u0301\u00AD", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(wordsOf(c.text), c.words) << "text: \"" << c.text << '"';
}

TEST(WordReader, RejectsOverlongAndSurrogateSequences) {
    // "\xC0\xB0" is an overlong '0', "\xED\xA0\x80" a surrogate: neither is a character.
    EXPECT_EQ(wordsOf("a\xC0\xB0" "b \xED\xA0\x80z"),
              (std::vector<ReadWord>{{"a", "a"}, {"b", "b"}, {"z", "z"}}));
}

TEST(BytesOfFoldedPrefix, CoversTheTypedLettersOfTheOriginal) {
    const std::string text = "У Лоцманского судна";
    const std::size_t word = text.find("Лоц");
    EXPECT_EQ(text.substr(word, bytesOfFoldedPrefix(text, word, 3)), "Лоц");
    EXPECT_EQ(text.substr(word, bytesOfFoldedPrefix(text, word, 100)), "Лоцманского");

    const std::string stressed = "я\u0301корь";
    EXPECT_EQ(stressed.substr(0, bytesOfFoldedPrefix(stressed, 0, 2)), "я\u0301к");
}

}  // namespace
