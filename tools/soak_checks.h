// The rules the soak driver holds the program to after every event. Each
// check returns what broke, or an empty text when the rule holds.
#pragma once

#include <string>
#include <vector>

#include "engine/game_engine.h"
#include "tools/soak_panel.h"

// Markers, progress, the seat to move, the phase and the offered choices of a game in progress.
std::string check_position(const game_engine& engine);

// No seat holds the columns that win while its game goes on: a win was never missed.
std::string check_no_unseen_win(const game_engine& engine);

// A Victory box names a seat of the game that holds the columns that win.
std::string check_victory_box(const game_engine& engine, const std::string& text);

// The buttons the input hit-tests (button_rects) are the ones the panel last drew, with their texts.
std::string check_buttons(const game_engine& engine, const std::vector<drawn_button>& panel);

// A quick computer's step is due exactly when a quick computer is to move in a game in progress.
std::string check_due_step(const game_engine& engine);

// A game just started: the set-up's seats and columns, nobody's progress, the
// first seat to move (seat 0 unless the players take turns to start).
std::string check_new_game(const game_engine& engine, std::uint32_t first_seat);
