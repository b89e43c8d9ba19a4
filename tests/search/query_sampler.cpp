// SPDX-License-Identifier: GPL-3.0-or-later
#include "query_sampler.h"

#include <algorithm>
#include <map>
#include <random>
#include <string_view>

#include "search/russian_stemmer.h"
#include "search/word_reader.h"

namespace mss::search::test_support {

namespace {

// Endings of Russian nouns and adjectives, put in place of a word's own
// ending: the result may be a form of the word, or no word at all.
constexpr std::string_view kEndings[] = {"", "а", "у", "ом", "е", "ы", "ой", "ую", "ами", "ах", "ого", "ей"};

std::size_t characterCount(std::string_view word) {
    std::size_t n = 0;
    for (char c : word) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

// The first `chars` characters of a UTF-8 word.
std::string_view firstChars(std::string_view word, std::size_t chars) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < word.size(); ++at) {
        if ((static_cast<unsigned char>(word[at]) & 0xC0) != 0x80 && seen++ == chars) break;
    }
    return word.substr(0, at);
}

}  // namespace

std::vector<std::string> sampleQueries(const std::vector<SearchRow>& rows, std::size_t count, std::uint64_t seed) {
    // The words of three letters and more of each row: a learner asks for a
    // meaning with words that stand together in it. And every form the book
    // has of each stem, to ask in another form than the row's.
    RussianStemmer stemmer;
    std::vector<std::vector<std::string>> wordsOfRows;
    std::map<std::string, std::vector<std::string>> formsOfStem;
    for (const SearchRow& row : rows) {
        std::vector<std::string> words;
        WordReader reader(row.text);
        while (reader.next()) {
            if (characterCount(reader.folded()) < 3) continue;
            words.emplace_back(reader.folded());
            std::vector<std::string>& forms = formsOfStem[stemmer.stem(reader.folded())];
            if (std::find(forms.begin(), forms.end(), words.back()) == forms.end()) forms.push_back(words.back());
        }
        if (!words.empty()) wordsOfRows.push_back(std::move(words));
    }

    std::mt19937_64 random(seed);
    const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    // The word as the row has it, another form of it from the book, or (now
    // and then) its ending swapped for another, which may be no Russian word.
    const auto inflected = [&](const std::string& word) {
        const std::size_t choice = below(5);
        if (choice < 2) return word;
        if (choice < 4) {
            const std::vector<std::string>& forms = formsOfStem[stemmer.stem(word)];
            return forms[below(forms.size())];
        }
        const std::size_t length = characterCount(word);
        return std::string(firstChars(word, std::max<std::size_t>(2, length - below(3)))) +
               std::string(kEndings[below(std::size(kEndings))]);
    };

    std::vector<std::string> queries;
    queries.reserve(count);
    while (queries.size() < count) {
        if (below(20) == 0) {  // a code, as it stands in the book
            queries.push_back(rows[below(rows.size())].code);
            continue;
        }
        const std::vector<std::string>& words = wordsOfRows[below(wordsOfRows.size())];
        const std::size_t wordCount = 1 + below(std::min<std::size_t>(3, words.size()));
        const std::size_t first = below(words.size() - wordCount + 1);
        std::string query;
        for (std::size_t i = 0; i < wordCount; ++i) {
            const std::string word = inflected(words[first + i]);
            if (i + 1 == wordCount && below(2) == 0) {
                query += firstChars(word, 1 + below(characterCount(word)));  // still being typed
            } else {
                query += word;
                if (i + 1 < wordCount) query += ' ';
            }
        }
        queries.push_back(std::move(query));
    }
    return queries;
}

}  // namespace mss::search::test_support
