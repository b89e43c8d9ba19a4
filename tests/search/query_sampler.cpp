#include "query_sampler.h"

#include <algorithm>
#include <random>
#include <string_view>

#include "search/word_reader.h"

namespace mss::search::test_support {

namespace {

// Case endings of Russian nouns and adjectives, to put a book word into
// another form the way a learner would type it.
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
    // meaning with words that stand together in it.
    std::vector<std::vector<std::string>> wordsOfRows;
    for (const SearchRow& row : rows) {
        std::vector<std::string> words;
        WordReader reader(row.text);
        while (reader.next())
            if (characterCount(reader.folded()) >= 3) words.emplace_back(reader.folded());
        if (!words.empty()) wordsOfRows.push_back(std::move(words));
    }

    std::mt19937_64 random(seed);
    const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
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
            const std::string& word = words[first + i];
            const std::size_t length = characterCount(word);
            const bool last = i + 1 == wordCount;
            if (last && below(2) == 0) {
                query += firstChars(word, 1 + below(length));  // still being typed
            } else {
                const std::size_t kept = below(3) == 0 ? length : std::max<std::size_t>(2, length - below(3));
                query += firstChars(word, kept);
                query += kEndings[below(std::size(kEndings))];
                if (!last) query += ' ';
            }
        }
        queries.push_back(std::move(query));
    }
    return queries;
}

}  // namespace mss::search::test_support
