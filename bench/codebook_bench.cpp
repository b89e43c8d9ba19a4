// SPDX-License-Identifier: GPL-3.0-or-later
// How long loading the shipped code book takes: reading every row of the
// file and checking it against the signal directory, as at start-up.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "allocation_counter.h"
#include "codebook/codebook_parser.h"
#include "codebook/signal_directory.h"
#include "data/codebook_bytes.h"

namespace {

using namespace mss::codebook;

void BM_LoadShippedCodeBook(benchmark::State& state) {
    const std::string_view bytes = mss::data::codeBookBytes();
    SignalDirectory::instance();  // built once per program, before the first load
    std::size_t rows = 0;
    const std::uint64_t allocationsBefore = mss::bench::allocationCount();
    for (auto _ : state) {
        LoadResult result = parseCodeBook(bytes);
        if (!result.ok()) {
            state.SkipWithError(("the shipped code book does not load: " + result.firstProblem()).c_str());
            break;
        }
        rows = 0;
        for (const auto& info : kCodeLists) rows += result.book.rows(info.list).size();
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["allocs_per_load"] =
        static_cast<double>(mss::bench::allocationCount() - allocationsBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_LoadShippedCodeBook)->Unit(benchmark::kMillisecond);

}  // namespace
