// SPDX-License-Identifier: GPL-3.0-or-later
// The search under the search window: building the index of the whole code
// book, answering queries such as a learner types (1,000 of them, fixed
// seed), timed one by one for the median and the 99th percentile in
// microseconds, and 10 kB pasted into the search box.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "search/search_index.h"
#include "tests/search/query_sampler.h"
#include "tests/search/shipped_search_rows.h"

namespace {

using namespace mss::search;

constexpr std::uint64_t kQuerySeed = 1965;
constexpr std::size_t kQueryCount = 1000;

const std::vector<SearchRow>& shippedRows() {
    static const std::vector<SearchRow> rows = test_support::shippedSearchRows();
    return rows;
}

void BM_BuildSearchIndex(benchmark::State& state) {
    std::size_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<SearchRow> copy = shippedRows();
        state.ResumeTiming();
        SearchIndex index(std::move(copy));
        rows = index.size();
        benchmark::DoNotOptimize(index);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_BuildSearchIndex)->Unit(benchmark::kMillisecond);

double percentile(std::vector<double> sorted, double fraction) {
    std::sort(sorted.begin(), sorted.end());
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[at];
}

// Each iteration answers every sampled query once, as the window asks (at
// most 200 results); the counters give the spread over single queries.
void BM_SearchQuery(benchmark::State& state) {
    const SearchIndex index(shippedRows());
    const std::vector<std::string> queries = test_support::sampleQueries(shippedRows(), kQueryCount, kQuerySeed);
    std::vector<double> microseconds;
    std::size_t found = 0;
    for (auto _ : state) {
        for (const std::string& query : queries) {
            const auto start = std::chrono::steady_clock::now();
            SearchResults results = index.find(query);
            const auto stop = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(results);
            microseconds.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
            found += results.total > 0 ? 1 : 0;
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(microseconds.size()));
    state.counters["median_us"] = percentile(microseconds, 0.50);
    state.counters["p99_us"] = percentile(microseconds, 0.99);
    state.counters["max_us"] = percentile(microseconds, 1.0);
    state.counters["queries_finding_rows"] =
        static_cast<double>(found) / static_cast<double>(microseconds.size()) * static_cast<double>(kQueryCount);
    state.counters["seed"] = static_cast<double>(kQuerySeed);
}
BENCHMARK(BM_SearchQuery)->Unit(benchmark::kMillisecond);

// A 10 kB paste: one word over and over (every word matches, the longest
// case), the book's own texts one after another (no row holds them all),
// and one endless word.
void BM_SearchTenKilobytes(benchmark::State& state) {
    const SearchIndex index(shippedRows());
    std::string query;
    switch (state.range(0)) {
        case 0:
            state.SetLabel("one word repeated");
            while (query.size() < 10'000) query += "якорь ";
            break;
        case 1:
            state.SetLabel("the book's texts");
            for (const SearchRow& row : shippedRows()) {
                if (query.size() >= 10'000) break;
                query += row.text + ' ';
            }
            break;
        default:
            state.SetLabel("one endless word");
            while (query.size() < 10'000) query += "я";
            break;
    }
    for (auto _ : state) benchmark::DoNotOptimize(index.find(query));
}
BENCHMARK(BM_SearchTenKilobytes)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
