// An unfinished game as a plain value: the seats, the settings the game runs
// with, the position (progress, the turn's markers, dice and phase), whose turn
// it is, the turns each seat has begun, where the dice generator stands and
// the score sheet's lines. Written as readable text with a version line, and
// read back only when every value makes a position the engine could reach.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_engine.h"

namespace companion {

struct saved_seat {
    bool human = true;
    std::string level;  // a computer seat's: "easy", "standard" or "expert"; empty for a person
    std::string name;
    friend bool operator==(const saved_seat&, const saved_seat&) = default;
};

struct saved_game {
    std::vector<saved_seat> seats;  // 2 to 4
    std::int32_t computer_pace = 1;
    std::uint32_t columns_to_win = 3;
    // The columns to win in force when the computer players were made: their
    // threshold comes from it, and they are kept while the number of seats stays.
    std::uint32_t players_made_for = 3;
    std::uint32_t current_player = 0;
    std::uint32_t rolls_this_turn = 0;
    std::int32_t phase = roll_or_stop;
    std::array<std::int32_t, 4> dice{};
    std::array<marker, 3> markers{};
    std::vector<std::array<std::uint32_t, 13>> progress;  // per seat, by column number
    std::array<std::uint32_t, 4> turns{};                 // turns each seat has begun, for the records
    std::uint32_t dice_state = 1;
    std::vector<std::string> sheet_lines;  // the score sheet's own lines, kept as they come
    friend bool operator==(const saved_game&, const saved_game&) = default;
};

inline constexpr const char* saved_game_file_name = "saved-game.txt";
inline constexpr std::size_t saved_game_file_limit = 1024 * 1024;
inline constexpr const char* standard_level = "standard";

std::string format_saved_game(const saved_game& game);

// The game in text, or false with what is wrong in why: a damaged line, a
// missing or repeated one, another version, or values that make no position
// of a game in progress.
bool parse_saved_game(std::string_view text, saved_game& game, std::string& why);

// Why the values make no position of a game in progress, or empty when they do.
std::string position_fault(const saved_game& game);

// The seat that began the game (the first seat of every round), as the turns
// each seat has begun tell it.
std::uint32_t first_seat(const saved_game& game);

// The game's turn as the players count it: 1 for the first turn of the game.
std::uint32_t turn_number(const saved_game& game);

// "Ana, Ben and the computer": the seats as a sentence names them.
std::string seat_names_text(const saved_game& game);

}  // namespace companion
