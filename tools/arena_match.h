// One run of the match runner: the real engine on the headless platform,
// every seat a quick computer, games until the last victory question.
#pragma once

#include <cstdio>
#include <string>

#include "tools/arena_options.h"
#include "tools/timed_player.h"

struct arena_result {
    int games = 0;
    bool finished = false;  // the engine posted its quit
    decision_timing timing;
    std::string fault;  // why the game lines or the trace were lost, or empty
};

// Writes "game <g>: winner <L> turns <T>" to `out` for every game, and with
// tracing the events to vl_out.txt in the current directory. The first failure
// to write either ends the match after the game in progress: no game is played
// when the trace cannot be opened.
arena_result run_match(const arena_options& options, std::FILE* out);
