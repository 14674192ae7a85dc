// The match runner's proof that a resumed game is the same game: each seeded
// game is played through once, saved at every step; then, for every saved
// step in turn, a program state made afresh is given that save alone and plays
// on to the end. Its game line and the rest of its trace must be the
// uninterrupted game's, byte for byte.
#pragma once

#include <cstdio>
#include <string>

#include "tools/arena_options.h"

struct resume_check_result {
    int games = 0;
    long resumes = 0;
    std::string fault;  // the first difference, or why the check could not go on; empty when all held
};

// Game g (0-based) is played with seed options.seed + g, by 2, 3 and 4
// computer seats in turn, each computer level in turn, to options.columns_to_win.
// One line per game goes to out. The trace is written to vl_out.txt in the
// current directory, which the check uses as its scratch file.
resume_check_result run_resume_check(const arena_options& options, std::FILE* out);
