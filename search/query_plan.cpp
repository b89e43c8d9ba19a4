// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_plan.h"

#include <algorithm>

#include "everyday_synonyms.h"
#include "query_words.h"
#include "russian_stemmer.h"
#include "typo_matcher.h"
#include "word_groups.h"

namespace mss::search {

namespace {

constexpr std::size_t kLongestSaying = 3;

// Words that make a query a question when it begins with them; «ли» anywhere
// does too, and a question mark at the end.
constexpr std::string_view kQuestionWords[] = {
    "где", "когда", "куда", "откуда", "как", "какой", "какая", "какое", "какие", "каков", "какова", "каково",
    "каковы", "сколько", "кто", "что", "почему", "зачем", "можно", "могу", "можете",
};

bool asks(std::string_view query, const std::vector<QueryWord>& words) {
    const auto last = query.find_last_not_of(" \t\r\n");
    if (last != std::string_view::npos && query[last] == '?') return true;
    for (const QueryWord& w : words)
        if (w.folded == "ли") return true;
    return std::find(std::begin(kQuestionWords), std::end(kQuestionWords), words.front().folded) !=
           std::end(kQuestionWords);
}

std::size_t lettersIn(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void addEveryday(Concept& part, const std::vector<EverydaySynonyms::WordIds>& inBook, float weight) {
    for (const EverydaySynonyms::WordIds& ids : inBook)
        part.alternatives.push_back({Alternative::Kind::AllWords, weight, ids, {}, false, {}});
}

}  // namespace

QueryPlan planQuery(std::string_view query, const Lexicon& lexicon, RussianStemmer& stemmer) {
    QueryPlan plan;
    const QueryWords read = readQueryWords(query);
    if (read.empty()) return plan;
    const std::vector<QueryWord>& words = read.words;

    std::vector<std::string> keys;
    keys.reserve(words.size());
    for (const QueryWord& w : words) keys.push_back(lexicon.groups.keyOf(w.folded, stemmer));
    const auto wordOf = [&](std::size_t i) { return lexicon.table.wordId(keys[i]); };

    plan.oneWordOfTheBook = words.size() == 1 && wordOf(0).has_value();
    plan.asks = asks(query, words);
    plan.denies = std::any_of(words.begin(), words.end(), [](const QueryWord& w) { return WordTable::isDenial(w.folded); });
    std::vector<std::string> seen;  // the query words and sayings already read, folded
    std::vector<std::pair<const QueryWord*, std::string>> corrections;

    for (std::size_t i = 0; i < words.size() && plan.concepts.size() < kMostConcepts;) {
        const bool typing = read.lastIsTyping && i + 1 == words.size();
        Concept part;

        // A saying of several words first: «сел на мель».
        const auto saying = lexicon.everyday.longestAt(keys, i, kLongestSaying);
        if (saying && saying->length > 1) {
            std::string said;
            Alternative literal{Alternative::Kind::AllWords, Weights::kWord, {}, {}, false, {}};
            for (std::size_t k = i; k < i + saying->length; ++k) {
                said += words[k].folded + ' ';
                if (const auto id = wordOf(k)) literal.ids.push_back(*id);
            }
            if (literal.ids.size() == saying->length) part.alternatives.push_back(std::move(literal));
            addEveryday(part, *saying->inBook, Weights::kSaying);
            i += saying->length;
            if (std::find(seen.begin(), seen.end(), said) != seen.end()) continue;
            seen.push_back(said);
            plan.concepts.push_back(std::move(part));
            continue;
        }

        const QueryWord& word = words[i];
        const std::size_t at = i++;
        if (std::find(seen.begin(), seen.end(), word.folded) != seen.end()) continue;
        seen.push_back(word.folded);

        if (const auto id = wordOf(at)) {
            part.alternatives.push_back(
                {Alternative::Kind::AllWords, Weights::kWord, {*id}, {}, false, lexicon.table.formId(word.folded)});
        } else if (auto near = lexicon.table.wordsNear(keys[at]); !near.empty()) {
            part.alternatives.push_back({Alternative::Kind::AnyWord, Weights::kOtherEnding, std::move(near), {}, false, {}});
        }
        if (saying) addEveryday(part, *saying->inBook, Weights::kEveryday);
        WordTable::FormRange begun;
        if (typing) {
            begun = lexicon.table.formsBeginningWith(word.folded);
            plan.typedLetters = lettersIn(word.folded);
            if (!begun.empty())
                part.alternatives.push_back({Alternative::Kind::AnyForm, Weights::kBeginning, {}, begun, true, {}});
        }
        if (part.alternatives.empty()) {
            const std::string stem = stemmer.stem(word.folded);
            if (auto near = lexicon.typos.correct(lexicon.table, word.folded, stem, typing)) {
                if (!near->forms.empty())
                    part.alternatives.push_back({Alternative::Kind::AnyForm, Weights::kNearWord, near->forms, {}, false, {}});
                if (!near->words.empty())
                    part.alternatives.push_back({Alternative::Kind::AnyWord, Weights::kNearWord, near->words, {}, false, {}});
                if (!near->begun.empty())
                    part.alternatives.push_back({Alternative::Kind::AnyForm, Weights::kNearWord * Weights::kBeginning,
                                                 near->begun, {}, true, {}});
                corrections.emplace_back(&word, std::move(near->shown));
            }
        }
        if (!part.alternatives.empty()) plan.concepts.push_back(std::move(part));
    }

    if (!corrections.empty()) {
        std::size_t copied = 0;
        for (const auto& [word, shown] : corrections) {
            plan.corrected.append(query.substr(copied, word->begin - copied));
            plan.corrected += shown;
            copied = word->end;
        }
        plan.corrected.append(query.substr(copied));
    }
    return plan;
}

}  // namespace mss::search
