// Between the engine and a saved game: the game as it stands, taken as a
// value, and a value put back so that play goes on exactly as it would have:
// the same dice and the same decisions of the computer.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "companion/saved_game.h"

class game_engine;

namespace companion {

// The engine's game in progress with the run's settings; turns as the records count them.
saved_game capture_game(const game_engine& engine, const std::array<std::uint32_t, 4>& turns,
                        std::uint32_t players_made_for);

// The columns to win the view's computer players were made for (their
// threshold comes from it); the engine's own when they are not the view's.
std::uint32_t players_made_for(const game_engine& engine);

// Puts the game into the engine and the run's settings, with computer players
// made afresh as the saved game's run made them, and repaints the window.
// False, with why, when the position offers no move where a choice is
// awaited; the engine then holds no game.
bool restore_game(game_engine& engine, const saved_game& game, std::string& why);

}  // namespace companion
