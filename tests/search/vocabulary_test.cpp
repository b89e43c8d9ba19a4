// SPDX-License-Identifier: GPL-3.0-or-later
// The search's word tables (data/everyday_words.tsv, data/word_forms.tsv):
// that they read, that what they give is the book's own words, that each
// fact stands once, and that a damaged line is named.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "search/russian_stemmer.h"
#include "search/vocabulary.h"
#include "search/word_groups.h"
#include "search/word_reader.h"
#include "search/word_table.h"
#include "shipped_search_rows.h"

namespace {

using namespace mss::search;

// Every folded form of the shipped book.
const std::set<std::string>& formsOfTheBook() {
    static const std::set<std::string> forms = [] {
        std::set<std::string> all;
        for (const SearchRow& row : test_support::shippedSearchRows()) {
            WordReader reader(row.text);
            while (reader.next()) all.emplace(reader.folded());
        }
        return all;
    }();
    return forms;
}

std::string joined(const Phrase& words) {
    std::string text;
    for (const std::string& w : words) text += (text.empty() ? "" : " ") + w;
    return text;
}

TEST(EverydayWords, GiveOnlyWordsTheBookHasInTheFormsItHas) {
    const Vocabulary& vocabulary = shippedVocabulary();
    ASSERT_FALSE(vocabulary.everyday.empty());
    for (const EverydayWord& word : vocabulary.everyday)
        for (const Phrase& phrase : word.inBook)
            for (const std::string& w : phrase)
                EXPECT_TRUE(formsOfTheBook().count(w) > 0)
                    << "everyday_words.tsv, line " << word.line << " («" << joined(word.said) << "»): the book has no «"
                    << w << "»";
}

TEST(EverydayWords, SayEachThingOnce) {
    // Forms of one word are one saying: «нужна» and «нужны» may not have two lines.
    RussianStemmer stemmer;
    const Vocabulary& vocabulary = shippedVocabulary();
    const WordGroups groups(vocabulary.forms, stemmer);
    std::map<std::vector<std::string>, int> lineOf;
    for (const EverydayWord& word : vocabulary.everyday) {
        std::vector<std::string> keys;
        for (const std::string& w : word.said) keys.push_back(groups.keyOf(w, stemmer));
        const auto [at, first] = lineOf.emplace(keys, word.line);
        EXPECT_TRUE(first) << "everyday_words.tsv, lines " << at->second << " and " << word.line << " say «"
                           << joined(word.said) << "»";
    }
}

TEST(WordForms, JoinWhatTheStemmerPartsAndPartWhatItJoins) {
    RussianStemmer stemmer;
    const WordForms& forms = shippedVocabulary().forms;
    ASSERT_FALSE(forms.joins.empty());
    ASSERT_FALSE(forms.apart.empty());
    // A join line is worth having only if the stemmer parts its forms.
    for (const Phrase& line : forms.joins) {
        std::set<std::string> stems;
        for (const std::string& form : line) stems.insert(stemmer.stem(form));
        EXPECT_GT(stems.size(), 1u) << "word_forms.tsv: the stemmer joins «" << joined(line) << "» already";
    }
    // An apart line: forms of the book whose stem (or the stem without its
    // fleeting vowel) another word has, of the book or of a learner (as the
    // tables name them), that they must not be taken for.
    std::set<std::string> others = formsOfTheBook();
    for (const Phrase& line : forms.joins) others.insert(line.begin(), line.end());
    for (const EverydayWord& word : shippedVocabulary().everyday) others.insert(word.said.begin(), word.said.end());
    for (const Phrase& line : forms.apart) {
        for (const std::string& form : line) {
            EXPECT_TRUE(formsOfTheBook().count(form) > 0) << "word_forms.tsv: the book has no «" << form << "»";
            const std::string stem = stemmer.stem(form);
            const std::string plain = WordTable::withoutFleetingVowel(stem);
            bool shared = false;
            for (const std::string& other : others) {
                if (std::find(line.begin(), line.end(), other) != line.end()) continue;
                const std::string otherStem = stemmer.stem(other);
                shared = shared || otherStem == stem || (!plain.empty() && otherStem == plain);
            }
            EXPECT_TRUE(shared) << "word_forms.tsv: no other word has the stem of «" << form << "»";
        }
    }
}

TEST(WordGroups, JoinChainsAndKeepApartForms) {
    RussianStemmer stemmer;
    const WordForms forms{{{"тону", "тонет"}, {"тонет", "тонуть"}, {"лед", "льдами"}}, {{"ранее"}}};
    const WordGroups groups(forms, stemmer);
    const auto key = [&](const char* w) { return groups.keyOf(w, stemmer); };
    // Two lines that share a form are one word; so are other forms of a joined stem.
    EXPECT_EQ(key("тону"), key("тонуть"));
    EXPECT_EQ(key("тонем"), key("тонет"));
    EXPECT_EQ(key("лед"), key("льдами"));
    EXPECT_NE(key("лед"), key("льдом"));  // not on a line
    EXPECT_NE(key("тону"), key("лед"));
    // «ранее» stands apart from «рана», whose other forms stay together.
    EXPECT_NE(key("ранее"), key("рана"));
    EXPECT_EQ(key("раны"), key("рана"));
    // Without the table, the stemmer alone.
    const WordGroups plain(WordForms{}, stemmer);
    EXPECT_EQ(plain.keyOf("ранее", stemmer), plain.keyOf("рана", stemmer));
    EXPECT_NE(plain.keyOf("тону", stemmer), plain.keyOf("тонет", stemmer));
}

TEST(Vocabulary, ReadsSayingsAndNamesTheLineOfADamagedOne) {
    const Vocabulary read = readVocabulary("# comment\n\nдоктор\tврач\nсел на мель\tя на мели | на мели\r\n",
                                           "join\tтону тонет\napart\tранее\n");
    ASSERT_EQ(read.everyday.size(), 2u);
    EXPECT_EQ(read.everyday[1].said, (Phrase{"сел", "на", "мель"}));
    EXPECT_EQ(read.everyday[1].inBook, (std::vector<Phrase>{{"я", "на", "мели"}, {"на", "мели"}}));
    EXPECT_EQ(read.everyday[1].line, 4);
    EXPECT_EQ(read.forms.joins, (std::vector<Phrase>{{"тону", "тонет"}}));
    EXPECT_EQ(read.forms.apart, std::vector<Phrase>{{"ранее"}});

    struct Damaged {
        std::string everyday, forms, named;
    };
    const Damaged cases[] = {
        {"доктор врач\n", "", "everyday_words.tsv, строка 1"},
        {"# ok\nдоктор\tврач | \n", "", "everyday_words.tsv, строка 2"},
        {"раз два три четыре\tврач\n", "", "everyday_words.tsv, строка 1"},
        {"\tврач\n", "", "everyday_words.tsv, строка 1"},
        {"", "join\tтону\n", "word_forms.tsv, строка 1"},
        {"", "\nmerge\tтону тонет\n", "word_forms.tsv, строка 2"},
        {"", "apart\n", "word_forms.tsv, строка 1"},
    };
    for (const Damaged& d : cases) {
        try {
            readVocabulary(d.everyday, d.forms);
            ADD_FAILURE() << "accepted «" << d.everyday << "» / «" << d.forms << "»";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).find(d.named), 0u) << e.what();
        }
    }
}

}  // namespace
