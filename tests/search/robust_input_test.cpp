// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever is typed or pasted into the search box: very long queries,
// control characters, broken UTF-8, random bytes. The search must neither
// crash nor return nonsense.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "search/search_index.h"
#include "shipped_search_rows.h"

namespace {

using namespace mss::search;

const SearchIndex& shippedIndex() {
    static const SearchIndex index(test_support::shippedSearchRows());
    return index;
}

std::vector<std::string> codesOf(const SearchResults& found) {
    std::vector<std::string> codes;
    for (const SearchResult& r : found.results) codes.push_back(r.code);
    return codes;
}

bool startsACharacter(const std::string& text, std::size_t at) {
    return at == text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
}

// What every answer must hold, whatever the query.
void expectSoundResults(const SearchResults& found, std::size_t limit, const std::string& context) {
    EXPECT_LE(found.results.size(), limit) << context;
    EXPECT_GE(found.total, found.results.size()) << context;
    if (found.results.size() < limit) {
        EXPECT_EQ(found.total, found.results.size()) << context;
    }
    // Exact codes stand together, first or last; rows with every word before
    // rows with some.
    std::size_t codes = 0, firstCode = found.results.size();
    bool someSeen = false;
    for (std::size_t i = 0; i < found.results.size(); ++i) {
        const SearchResult& r = found.results[i];
        if (r.kind == MatchKind::ExactCode) {
            firstCode = std::min(firstCode, i);
            ++codes;
        } else {
            EXPECT_FALSE(r.highlights.empty()) << context << ", result " << r.code;
            EXPECT_FALSE(someSeen && r.kind != MatchKind::SomeWords) << context << ", result " << r.code;
            someSeen = someSeen || r.kind == MatchKind::SomeWords;
        }
        std::size_t previousEnd = 0;
        for (const ByteRange& h : r.highlights) {
            EXPECT_LE(previousEnd, h.begin) << context << ", result " << r.code;
            EXPECT_LT(h.begin, h.end) << context << ", result " << r.code;
            EXPECT_LE(h.end, r.text.size()) << context << ", result " << r.code;
            EXPECT_TRUE(startsACharacter(r.text, h.begin) && startsACharacter(r.text, h.end))
                << context << ", result " << r.code;
            previousEnd = h.end;
        }
    }
    if (codes > 0) {
        EXPECT_TRUE(firstCode == 0 || firstCode + codes == found.results.size()) << context;
        for (std::size_t i = firstCode; i < firstCode + codes; ++i)
            EXPECT_EQ(found.results[i].kind, MatchKind::ExactCode) << context;
    }
}

std::string repeated(const std::string& piece, std::size_t bytes) {
    std::string s;
    while (s.size() + piece.size() <= bytes) s += piece;
    return s;
}

TEST(RobustInput, TenKilobyteQueries) {
    const SearchIndex& index = shippedIndex();
    // One word over and over is that word.
    EXPECT_EQ(codesOf(index.find(repeated("якорь ", 10'000))), codesOf(index.find("якорь ")));
    EXPECT_EQ(codesOf(index.find(repeated("Мой якорь нечист. ", 10'000))).front(), "RA");
    // Many different words: read up to a limit, and answered soundly.
    std::string manyWords;
    for (const SearchRow& row : test_support::shippedSearchRows()) {
        if (manyWords.size() > 10'000) break;
        manyWords += row.text + ' ';
    }
    expectSoundResults(index.find(manyWords), SearchIndex::kDefaultLimit, "the book's texts");
    // One endless word, one endless run of punctuation, one of letters and hyphens.
    EXPECT_EQ(index.find(repeated("я", 10'000)).total, 0u);
    EXPECT_EQ(index.find(repeated(".", 10'000)).total, 0u);
    EXPECT_EQ(index.find(repeated("—", 10'000)).total, 0u);
    const SearchResults hyphens = index.find(repeated("северо-восток-", 10'000));
    EXPECT_EQ(codesOf(hyphens).front(), "III-1");
}

TEST(RobustInput, ControlCharactersSeparateWords) {
    const SearchIndex& index = shippedIndex();
    const std::vector<std::string> same = {
        std::string("\x01якорь\x02нечист\x7F"), std::string("якорь\tнечист\n"), std::string("\x1Bякорь\rнечист\x1B\x07"),
        std::string("якорь\0нечист\0", 24),
    };
    for (const std::string& query : same) EXPECT_EQ(codesOf(index.find(query)), codesOf(index.find("якорь нечист ")));
    EXPECT_EQ(index.find(std::string("\0\0\0", 3)).total, 0u);
    EXPECT_EQ(index.find("\x01\x02\x03\x1F\x7F").total, 0u);
}

TEST(RobustInput, InvalidUtf8MatchesOnTheValidWords) {
    const SearchIndex& index = shippedIndex();
    const std::vector<std::string> ra = codesOf(index.find("якорь нечист "));
    EXPECT_EQ(codesOf(index.find("якорь\xFFнечист\xC0")), ra);
    EXPECT_EQ(codesOf(index.find("\xD0якорь \xD0нечист\xD0")), ra);
    // A word broken in its middle by a lone byte is two pieces, too short to be put right.
    EXPECT_EQ(codesOf(index.find("яко\xFFрь нечист ")), codesOf(index.find("нечист ")));
    for (const char* broken : {"\xD0", "\xFF\xFE", "\xE2\x80", "\xF0\x9F\x98", "\xC0\xAF", "\xED\xA0\x80"})
        EXPECT_EQ(index.find(broken).total, 0u) << "query bytes: " << ::testing::PrintToString(std::string(broken));
}

TEST(RobustInput, RandomBytesGiveSoundAnswers) {
    constexpr std::uint64_t kSeed = 20240601;
    std::mt19937_64 random(kSeed);
    // Pieces that make up the queries: letters, a code, punctuation, controls,
    // fragments of UTF-8 sequences and whole multi-byte characters.
    const std::vector<std::string> pieces = {
        "я", "к", "о", "р", "ь", "л", "ц", "м", "а", "н", "е", "Ё", "A", "e", "1", "-", " ", ".", "«", "…", "—",
        "\xD0", "\xD1", "\x80", "\xFF", "\x01", std::string("\0", 1), "\u0301", "\u00AD", "ae1", "I-3", "якорь ",
    };
    const SearchIndex& index = shippedIndex();
    for (int round = 0; round < 3000; ++round) {
        std::string query;
        const std::size_t length = std::uniform_int_distribution<std::size_t>(0, 12)(random);
        for (std::size_t i = 0; i < length; ++i)
            query += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        const std::size_t limit = std::uniform_int_distribution<std::size_t>(0, 30)(random);
        expectSoundResults(index.find(query, limit), limit,
                           "seed " + std::to_string(kSeed) + ", round " + std::to_string(round) + ", query " +
                               ::testing::PrintToString(query));
        if (::testing::Test::HasFailure()) break;
    }
}

}  // namespace
