// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two word tables the search reads besides the code book, both in data/:
//
//   everyday_words.tsv  what a learner says, and what the book says instead
//                       («доктор» → «врач»; «сел на мель» → «на мели»)
//   word_forms.tsv      forms of one word that the stemmer parts («тону»,
//                       «тонет»), and forms it joins to a word of another
//                       meaning («ранее» is no form of «рана»)
//
// Every word here is folded as the search folds words (lower case, ё as е).

#include <string>
#include <string_view>
#include <vector>

namespace mss::search {

using Phrase = std::vector<std::string>;  // one or a few words

struct EverydayWord {
    Phrase said;                 // one to three words
    std::vector<Phrase> inBook;  // what stands for them in the book, at least one
    int line = 0;
};

struct WordForms {
    std::vector<Phrase> joins;  // each: forms of one word
    std::vector<Phrase> apart;  // each: forms that make a word of their own
};

struct Vocabulary {
    std::vector<EverydayWord> everyday;
    WordForms forms;
};

// Reads the two tables' texts. Throws std::runtime_error naming the table
// and the line of the first line that is not as the table's head describes.
Vocabulary readVocabulary(std::string_view everydayWords, std::string_view wordForms);

// The tables the program carries (data/), read once.
const Vocabulary& shippedVocabulary();

}  // namespace mss::search
