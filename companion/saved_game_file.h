// The saved game's file in the user's folder: written whole or not at all,
// read back with every value checked, and set aside (renamed, never deleted)
// when it is declined or cannot be played on.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "companion/saved_game.h"

namespace companion {

enum class saved_game_found { none, readable, set_aside };

// The folder's saved game. A file that cannot be played on is renamed
// saved-game.txt.damaged-<n> (the first n free): set_aside, with message
// saying what was wrong and where the file now is. A file that cannot be read
// or moved is left as it is and reported as none, with a message.
saved_game_found load_saved_game(const std::filesystem::path& folder, saved_game& game, std::string& message);

bool save_game_file(const std::filesystem::path& folder, const saved_game& game, std::string& error);

// Renames the saved game to saved-game.txt.<kind>-<n>, the first n free: its
// new path, or empty with the reason in error.
std::filesystem::path set_saved_game_aside(const std::filesystem::path& folder, std::string_view kind,
                                           std::string& error);

// A finished game leaves nothing to resume.
void forget_saved_game(const std::filesystem::path& folder);

}  // namespace companion
