// The hint: what the expert computer would do in a person's position, and why,
// in plain words with numbers a player can use; and, where the standard
// computer would do otherwise, what it would do. It asks a fresh expert of its
// own and the seat's own player, as a computer turn would, and changes
// nothing: not the dice, not the game, not any later decision.
#pragma once

#include <string>

class game_engine;

namespace companion {

// Whether a hint can be asked now: a game in progress and a person to move.
bool hint_available(const game_engine& engine);

// The advice for the seat to move, whoever plays it.
std::string advice(game_engine& engine);

}  // namespace companion
