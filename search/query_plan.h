// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a query asks for, as the ranking reads it: one concept for each word
// of the query (or each everyday saying, «сел на мель»), and for each
// concept the ways a row may hold it:
//
//   the word itself, in any of its forms          «якорем» → якорь, якоря …
//   or a stem one ending away, if the book has not «дрейфуем» → дрейфую
//   what the everyday words put for it            «доктор» → врач
//   forms it begins, while it is being typed      «лоц» → лоцман, лоцманское …
//   words near it, when the book has no such word «пажар» → пожар
//
// Each way has a weight: the word itself counts most. The same word twice is
// one concept; a query of more than kMostConcepts different words is read up
// to there.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "word_table.h"

namespace mss::search {

class EverydaySynonyms;
class RussianStemmer;
class TypoMatcher;
class WordGroups;

struct Alternative {
    enum class Kind {
        AllWords,  // a row holds every word of `ids` (one word, or the words of a saying)
        AnyWord,   // a row holds one of the words `ids`
        AnyForm,   // a row holds one of the forms `ids`, or a form of `beginning`
    };
    Kind kind = Kind::AllWords;
    float weight = 1;
    std::vector<std::uint32_t> ids;
    WordTable::FormRange beginning;  // AnyForm: the forms that begin with the word being typed
    bool byBeginning = false;        // holds only the beginning of what is being typed
    // AllWords of one word: the very form typed, if the book has it; rows with
    // that form count a little more than rows with another form of the word.
    std::optional<std::uint32_t> exactForm;
};

struct Concept {
    std::vector<Alternative> alternatives;  // the heaviest first
};

struct QueryPlan {
    std::vector<Concept> concepts;     // none without alternatives
    std::size_t typedLetters = 0;      // of the word being typed, to highlight that much of a form it begins
    std::string corrected;             // the query with its mistyped words put right; empty when none was
    bool oneWordOfTheBook = false;     // the query is one word, and the book has it
    bool asks = false;                 // the query is a question: «где взять лоцмана», «есть ли врач?»
    bool denies = false;               // the query has «не», «нет» or «ни»
};

// The weights of the ways to hold a concept.
struct Weights {
    static constexpr float kWord = 1.0f;
    static constexpr float kOtherEnding = 0.95f;  // a word of the book whose stem the stemmer ended otherwise
    static constexpr float kEveryday = 0.9f;  // a word put for a word
    static constexpr float kSaying = 1.0f;    // words put for a saying of several words, as good as the saying
    static constexpr float kNearWord = 0.85f;
    static constexpr float kBeginning = 0.7f;
    static constexpr float kExactForm = 1.15f;  // times the word's weight
};

inline constexpr std::size_t kMostConcepts = 64;

struct Lexicon {
    const WordTable& table;
    const WordGroups& groups;
    const EverydaySynonyms& everyday;
    const TypoMatcher& typos;
};

QueryPlan planQuery(std::string_view query, const Lexicon& lexicon, RussianStemmer& stemmer);

}  // namespace mss::search
