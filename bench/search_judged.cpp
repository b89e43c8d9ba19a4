// SPDX-License-Identifier: GPL-3.0-or-later
// How well each way of searching answers the judged queries
// (tests/search/judged_queries.tsv): the share of queries whose right signal
// comes first, comes among the first three, and of those that find nothing.
//
//     mss65_search_judged            one line per engine
//     mss65_search_judged --misses   and the queries each one misses
//
// The engines: the program's search index; a plain substring search (every
// query word, in lower case with ё as е, inside the text; rows in the
// order of the book); and, when the build found Xapian, the prototype on it
// (xapian_prototype.cpp).

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "search/letter_folding.h"
#include "search/search_index.h"
#include "search/utf8_decoder.h"
#include "search/word_reader.h"
#include "tests/search/judged_set.h"
#include "tests/search/shipped_search_rows.h"

#ifdef MSS65_XAPIAN_PROTOTYPE
#include "xapian_prototype.h"
#endif

namespace {

using namespace mss::search;
using test_support::CodesFound;

// The text in lower case, ё as е; every other character as it is.
std::string folded(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const DecodedChar c = decodeUtf8At(text, at);
        const FoldedChar f = c.valid ? foldChar(c.codePoint) : FoldedChar{};
        if (f.role == CharRole::Letter)
            appendUtf8(out, f.folded);
        else
            out.append(text.substr(at, c.length));
        at += c.length;
    }
    return out;
}

CodesFound substringSearch(const std::vector<SearchRow>& rows) {
    auto texts = std::make_shared<std::vector<std::pair<std::string, std::string>>>();
    for (const SearchRow& row : rows) texts->emplace_back(row.code, folded(row.text));
    return [texts](const std::string& query) {
        std::vector<std::string> words;
        WordReader reader(query);
        while (reader.next()) words.emplace_back(reader.folded());
        std::vector<std::string> codes;
        if (words.empty()) return codes;
        for (const auto& [code, text] : *texts) {
            bool all = true;
            for (const std::string& w : words) all = all && text.find(w) != std::string::npos;
            if (all) codes.push_back(code);
        }
        return codes;
    };
}

CodesFound indexSearch(const std::vector<SearchRow>& rows) {
    auto index = std::make_shared<const SearchIndex>(rows);
    return [index](const std::string& query) {
        std::vector<std::string> codes;
        for (const SearchResult& r : index->find(query).results) codes.push_back(r.code);
        return codes;
    };
}

}  // namespace

int main(int argc, char** argv) {
    const bool misses = argc > 1 && std::strcmp(argv[1], "--misses") == 0;
    const std::vector<SearchRow> rows = test_support::shippedSearchRows();
    std::vector<std::pair<const char*, CodesFound>> engines = {
        {"search index", indexSearch(rows)},
        {"plain substring", substringSearch(rows)},
    };
#ifdef MSS65_XAPIAN_PROTOTYPE
    engines.emplace_back("Xapian prototype", xapianPrototypeSearch(rows));
#endif
    const auto& queries = test_support::judgedQueries();
    std::printf("%zu judged queries\n%-18s %8s %8s %8s\n", queries.size(), "engine", "first", "top 3", "nothing");
    for (const auto& [name, search] : engines) {
        const auto figures = test_support::judge(queries, search);
        std::printf("%-18s %7.1f%% %7.1f%% %7.1f%%\n", name, 100 * figures.share(figures.first),
                    100 * figures.share(figures.topThree), 100 * figures.share(figures.nothing));
        if (misses)
            for (const std::string& miss : figures.missed) std::printf("    %s\n", miss.c_str());
    }
    return 0;
}
