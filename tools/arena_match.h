// One run of the match runner: the real engine on the headless platform,
// every seat a quick computer, games until the last victory question.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/arena_options.h"
#include "tools/timed_player.h"

// What one seat did over the match.
struct seat_tally {
    int wins = 0;
    long turns = 0;
    long busts = 0;
    decision_timing timing;
};

struct arena_result {
    int games = 0;
    std::vector<seat_tally> seats;
    bool finished = false;  // the engine posted its quit
    decision_timing timing;  // every seat's decisions together, without the single times
    std::string fault;  // why the game lines or the trace were lost, or empty
};

// Writes "game <g>: winner <L> turns <T>" to `out` for every game, and with
// tracing the events to vl_out.txt in the current directory. The first failure
// to write either ends the match after the game in progress: no game is played
// when the trace cannot be opened.
// `make_player` makes each seat's player for its level; the tuning tool
// passes its own to try other parameters.
using player_maker = std::function<std::unique_ptr<game_player>(computer_level)>;
arena_result run_match(const arena_options& options, std::FILE* out,
                       const player_maker& make_player = make_computer_player);
