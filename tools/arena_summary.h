// The match runner's summary on standard error: per seat and per level, the
// wins with their 95% interval, turns, busts per turn and decision times.
#pragma once

#include <cstdio>

#include "tools/arena_match.h"

struct share_interval {
    double share, low, high;
};
// The Wilson score interval at 95% of `wins` in `games`.
share_interval win_share(long wins, long games);

void print_summary(std::FILE* to, const arena_options& options, const arena_result& result);
