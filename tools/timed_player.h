// Times each decision of the player it wraps, for the match runner's summary.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "players/game_player.h"

struct decision_timing {
    long decisions = 0;
    std::chrono::nanoseconds slowest{0};
    std::vector<std::uint32_t> each;  // every decision's time in nanoseconds, for the median
};

class timed_player final : public game_player {
public:
    timed_player(std::unique_ptr<game_player> inner, decision_timing& timing)
        : inner(std::move(inner)), timing(timing) {}

    void begin_turn() override { inner->begin_turn(); }
    int wants_to_stop() override {
        return timed([this] { return inner->wants_to_stop(); });
    }
    int choose_column() override {
        return timed([this] { return inner->choose_column(); });
    }
    bool is_interactive() override { return inner->is_interactive(); }
    const char* name() override { return inner->name(); }

private:
    template <typename decide>
    int timed(decide d) {
        const auto start = std::chrono::steady_clock::now();
        const int answer = d();
        const auto took = std::chrono::steady_clock::now() - start;
        const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(took);
        ++timing.decisions;
        if (nanoseconds > timing.slowest) timing.slowest = nanoseconds;
        timing.each.push_back(std::uint32_t(std::min<std::int64_t>(nanoseconds.count(), UINT32_MAX)));
        return answer;
    }

    std::unique_ptr<game_player> inner;
    decision_timing& timing;
};
