// Times each decision of the player it wraps, for the match runner's summary.
#pragma once

#include <chrono>
#include <memory>

#include "players/game_player.h"

struct decision_timing {
    long decisions = 0;
    std::chrono::nanoseconds slowest{0};
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
        ++timing.decisions;
        if (took > timing.slowest)
            timing.slowest = std::chrono::duration_cast<std::chrono::nanoseconds>(took);
        return answer;
    }

    std::unique_ptr<game_player> inner;
    decision_timing& timing;
};
