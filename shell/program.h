// The program's entry sequence, the same on every desktop.
#pragma once

#include "engine/game_engine.h"
#include "shell/desktop.h"

namespace shell {

// The exit status of a start-up failure; a second copy and a normal end return 0.
constexpr int exit_start_failed = 1;

// Starts the program on the desktop and runs it to its end; returns the exit status.
int run_program(desktop& d, game_engine& engine);

}  // namespace shell
