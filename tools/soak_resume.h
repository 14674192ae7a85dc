// The saved game in the soak: the program is killed at random moments, its
// state thrown away, and started again from nothing but the saved file. A
// resumed game must be the saved position exactly, and a game in progress.
#pragma once

#include <optional>
#include <string>

#include "companion/saved_game.h"

class game_engine;

// The saved game the next start will find in the user's folder, if any; a
// file there that the program itself would refuse is a fault, in fault.
std::optional<companion::saved_game> saved_game_in_folder(std::string& fault);

// The engine after "Resume Game" was answered Yes: the saved position in every field.
std::string check_resumed(const game_engine& engine, const companion::saved_game& saved);
