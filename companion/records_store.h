// The records file in the user's folder: read for the Records table, and read,
// counted and written back at every victory, under a lock that running copies
// of the program share. A damaged line costs only its own record: the file as
// it was is kept under a name of its own, never deleted nor written over, the
// good lines take its place, and a message for the player says which lines
// were dropped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "companion/records_file.h"

namespace companion {

// The records in folder's records.txt; none when there is no file yet. Of a
// damaged file, a copy is kept as records.txt.corrupt-<n> (the first n free;
// a file past the size bound is itself renamed so) and every good line is
// read and written back. True when the records may be written back; message
// is for the player and empty when there is nothing to tell.
bool load_records(const std::filesystem::path& folder, records& table, std::string& message);

// Loads the records, counts the game (see count_game) and replaces the file
// atomically. False, with message saying why, when the game was not recorded;
// true may still bring a message, that damaged lines were dropped.
bool record_game(const std::filesystem::path& folder, const std::vector<player_key>& seats,
                 std::size_t winner, std::uint32_t winner_turns, std::string& message);

}  // namespace companion
