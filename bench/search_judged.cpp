// SPDX-License-Identifier: GPL-3.0-or-later
// How well each way of searching answers the judged queries
// (tests/search/judged_queries.tsv): the share of queries whose right signal
// comes first, comes among the first three, and of those that find nothing;
// then the same shares of the search index on the medical section's two sets
// (medical_tuning_queries.tsv, medical_held_out_queries.tsv).
//
//     mss65_search_judged            one line per engine, one per medical set
//     mss65_search_judged --misses   and the queries each one misses
//     mss65_search_judged QUERY …    what the search index lists for each query
//
// The engines: the program's search index; a plain substring search (every
// query word, in lower case with ё as е, inside the text; rows in the
// order of the book); and, when the build found Xapian, the prototype on it
// (xapian_prototype.cpp). Beside the shares: building each (the quickest of
// three), the median and 99th percentile of 3,000 sampled queries (each
// listing its codes), and the resident memory the first build kept.

#include <unistd.h>

#include <algorithm>
#include <chrono>
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
#include "tests/search/query_sampler.h"
#include "tests/search/shipped_search_rows.h"

#ifdef MSS65_XAPIAN_PROTOTYPE
#include "xapian_prototype.h"
#endif

namespace {

using namespace mss::search;
using Clock = std::chrono::steady_clock;

constexpr int kSampleSeed = 1965;
std::size_t benchmarkSink = 0;
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

// Resident memory of this process, in megabytes.
double residentMegabytes() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (statm != nullptr) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5)];
}

void printFigures(const char* name, const test_support::JudgedFigures& figures, bool misses) {
    std::printf("%-18s %7.1f%% %7.1f%% %7.1f%%   (%zu queries)\n", name, 100 * figures.share(figures.first),
                100 * figures.share(figures.topThree), 100 * figures.share(figures.nothing), figures.queries);
    if (!misses) return;
    for (const std::string& miss : figures.missed) std::printf("    %s\n", miss.c_str());
    for (const std::string& second : figures.notFirst) std::printf("  ~ %s\n", second.c_str());
}

struct Engine {
    const char* name;
    std::function<CodesFound(const std::vector<SearchRow>&)> make;
};

int main(int argc, char** argv) {
    const bool misses = argc > 1 && std::strcmp(argv[1], "--misses") == 0;
    const std::vector<SearchRow> rows = test_support::shippedSearchRows();
    if (argc > 1 && !misses) {
        const SearchIndex index(rows);
        for (int i = 1; i < argc; ++i) {
            const SearchResults found = index.find(argv[i], 10);
            std::printf("«%s»: %zu found%s%s\n", argv[i], found.total, found.corrected.empty() ? "" : ", as ",
                        found.corrected.c_str());
            for (const SearchResult& r : found.results)
                std::printf("  %-5s %d  %s\n", r.code.c_str(), static_cast<int>(r.kind), r.text.c_str());
        }
        return 0;
    }
    std::vector<Engine> engines = {{"search index", indexSearch}, {"plain substring", substringSearch}};
#ifdef MSS65_XAPIAN_PROTOTYPE
    engines.push_back({"Xapian prototype", xapianPrototypeSearch});
#endif
    const auto& queries = test_support::judgedQueries();
    const std::vector<std::string> sampled = test_support::sampleQueries(rows, 1000, kSampleSeed);
    std::printf("%zu judged queries; time over them and %zu sampled queries (seed %d)\n", queries.size(),
                sampled.size(), kSampleSeed);
    std::printf("%-18s %8s %8s %8s %10s %10s %10s %10s\n", "engine", "first", "top 3", "nothing", "build ms",
                "median us", "p99 us", "memory MB");
    for (const Engine& engine : engines) {
        // Built three times, the quickest counted; memory is what the first one kept.
        const double before = residentMegabytes();
        double buildMs = 1e9;
        CodesFound search;
        for (int round = 0; round < 3; ++round) {
            const auto start = Clock::now();
            CodesFound built = engine.make(rows);
            buildMs = std::min(buildMs, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            if (!search) search = std::move(built);
        }
        const double memory = residentMegabytes() - before;
        std::vector<double> micros;
        for (int round = 0; round < 3; ++round)
            for (const std::string& q : sampled) {
                const auto start = Clock::now();
                benchmarkSink += search(q).size();
                micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
            }
        const auto figures = test_support::judge(queries, search);
        std::printf("%-18s %7.1f%% %7.1f%% %7.1f%% %10.2f %10.1f %10.1f %10.1f\n", engine.name,
                    100 * figures.share(figures.first), 100 * figures.share(figures.topThree),
                    100 * figures.share(figures.nothing), buildMs, percentile(micros, 0.5), percentile(micros, 0.99),
                    memory);
        if (misses) {
            for (const std::string& miss : figures.missed) std::printf("    %s\n", miss.c_str());
            for (const std::string& second : figures.notFirst) std::printf("  ~ %s\n", second.c_str());
        }
    }
    std::printf("\nthe search index on the medical section\n");
    const CodesFound search = indexSearch(rows);
    printFigures("medical tuning", test_support::judge(test_support::medicalTuningQueries(), search), misses);
    printFigures("medical held out", test_support::judge(test_support::medicalHeldOutQueries(), search), misses);
    return 0;
}
