// The costs of the strategy's decisions: building the shared table, the first
// decision of a game, a decision in a situation never seen before, and the
// decisions that find their tables filled.
#include <benchmark/benchmark.h>

#include <memory>

#include "strategy/completion_search.h"
#include "strategy/game_snapshot.h"

namespace {

game_snapshot situation(std::initializer_list<std::array<int, 2>> markers, std::array<int, 4> dice,
                        int progress_in_5 = 0) {
    game_snapshot s;
    s.seats = 2;
    s.progress[0][5] = progress_in_5;
    int slot = 0;
    for (const auto& m : markers) s.markers[std::size_t(slot++)] = {m[0], m[1]};
    s.list_choices(dice);
    return s;
}

// The first search of the run builds the shared three-marker table.
void build_pwca(benchmark::State& state) {
    const game_snapshot fresh = situation({}, {1, 2, 3, 4});
    for (auto _ : state) {
        completion_search first(fresh);
        benchmark::DoNotOptimize(completion_search::pwca());
    }
}
BENCHMARK(build_pwca)->Unit(benchmark::kMillisecond);

// Choosing the first move of a game: the opening values answer it.
void first_decision(benchmark::State& state) {
    const game_snapshot fresh = situation({}, {1, 2, 3, 4});
    completion_search search(fresh);
    for (auto _ : state) {
        search.reset_tables(fresh);  // a new game
        benchmark::DoNotOptimize(search.best_choice(fresh));
    }
}
BENCHMARK(first_decision)->Unit(benchmark::kMicrosecond);

// The costliest decisions: a situation the player has not met (some progress
// in column 5), one marker out, every position below it to be computed.
// Arg 0: the shared table is already filled; 1: a new run, nothing filled yet.
void cold_decision(benchmark::State& state, bool choose) {
    const bool fresh_run = state.range(0) == 1;
    const game_snapshot before = situation({}, {1, 2, 3, 4});
    const game_snapshot asked = situation({{7, 1}}, {2, 3, 4, 6}, 1);
    auto search = std::make_unique<completion_search>(before);
    for (auto _ : state) {
        state.PauseTiming();
        if (fresh_run) {
            search.reset();
            search = std::make_unique<completion_search>(before);
        } else {
            search->reset_tables(before);
        }
        state.ResumeTiming();
        if (choose)
            benchmark::DoNotOptimize(search->best_choice(asked));
        else
            benchmark::DoNotOptimize(search->odds(asked) + float(search->guided(asked)));
    }
}
BENCHMARK_CAPTURE(cold_decision, choose, true)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(cold_decision, stop, false)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Later decisions of the same turn: the tables already hold every position.
void warm_decision(benchmark::State& state) {
    const game_snapshot asked = situation({{7, 3}, {5, 2}}, {2, 3, 4, 6});
    completion_search search(asked);
    search.best_choice(asked);
    search.guided(asked);
    for (auto _ : state) {
        benchmark::DoNotOptimize(search.best_choice(asked));
        benchmark::DoNotOptimize(search.guided(asked) + greedy_gain(asked));
    }
}
BENCHMARK(warm_decision)->Unit(benchmark::kMicrosecond);

}  // namespace
