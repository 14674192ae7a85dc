// Whole matches through the real engine, as zarvelin-arena plays them: each
// iteration is a fresh run of 20 games (the shared table built and filled anew).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

#include "tools/arena_match.h"

namespace {

void arena_games(benchmark::State& state) {
    std::FILE* sink = std::fopen("/dev/null", "w");
    arena_options options;
    options.seats = std::uint32_t(state.range(0));
    options.games = 20;
    std::uint32_t seed = 1;
    double slowest_ms = 0;
    for (auto _ : state) {
        options.seed = seed++;
        const arena_result result = run_match(options, sink);
        slowest_ms = std::max(slowest_ms, double(result.timing.slowest.count()) / 1e6);
    }
    state.SetItemsProcessed(state.iterations() * options.games);
    state.counters["games/s"] =
        benchmark::Counter(double(state.iterations() * options.games), benchmark::Counter::kIsRate);
    state.counters["slowest_decision_ms"] = slowest_ms;
    std::fclose(sink);
}
BENCHMARK(arena_games)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
