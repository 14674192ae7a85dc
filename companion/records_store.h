// The records file in the user's folder: read for the Records table, and read,
// counted and written back at every victory. A damaged file is never deleted
// nor written over: it is set aside under a name of its own and the records
// start afresh, with a message for the player saying so.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "companion/records_file.h"

namespace companion {

// The records in folder's records.txt; none when there is no file yet. A
// damaged file is renamed records.txt.corrupt-<n> (the first n free) and the
// records start empty. True when the records may be written back; message is
// for the player and empty when there is nothing to tell.
bool load_records(const std::filesystem::path& folder, records& table, std::string& message);

// Loads the records, counts the game (see count_game) and replaces the file
// atomically. False, with message saying why, when the game was not recorded;
// true may still bring a message, that a damaged file was set aside.
bool record_game(const std::filesystem::path& folder, const std::vector<player_key>& seats,
                 std::size_t winner, std::uint32_t winner_turns, std::string& message);

}  // namespace companion
