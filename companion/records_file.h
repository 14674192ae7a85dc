// The records: per player name and kind, games played, games won and the
// fewest turns to a win, kept in a text file a person can read. A damaged line
// costs only its own player's record: every good line of the file is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "strategy/computer_level.h"

namespace companion {

struct player_record {
    std::uint32_t played = 0;
    std::uint32_t won = 0;
    std::optional<std::uint32_t> fewest_turns;  // the player's own turns; none before a win

    bool operator==(const player_record&) const = default;
};

// Who plays a seat: a person, or the computer at one of its levels. A
// computer's games are kept apart from a person's of the same name, and per level.
enum class player_kind { person, easy_computer, standard_computer, expert_computer };

struct player_key {
    player_key(std::string n, player_kind k = player_kind::person) : name(std::move(n)), kind(k) {}
    player_key(const char* n) : name(n) {}

    std::string name;  // exactly as typed
    player_kind kind = player_kind::person;

    auto operator<=>(const player_key&) const = default;
};

// The kind of a seat: a person's, or a computer's at the level.
player_kind kind_of_seat(bool person, computer_level level);
// As the records' table shows it: "person", "easy computer" and so on.
std::string_view kind_text(player_kind kind);

using records = std::map<player_key, player_record>;

inline constexpr const char* records_file_name = "records.txt";
// Thousands of players' worth; a larger file is damage, and one is never written.
inline constexpr std::size_t records_file_limit = 4 * 1024 * 1024;

// Counts one finished game: each player among the seats has played it once,
// even when two seats share a name and kind; the winner has won it, in
// winner_turns of its own turns. A winner that is no seat counts nothing.
void count_game(records& table, const std::vector<player_key>& seats, std::size_t winner,
                std::uint32_t winner_turns);

std::string format_records(const records& table);

// Every good record line of text into table. Each line that is not as the
// program writes it (comments and blank lines apart) is left out and adds one
// entry to dropped, naming the line and why, as does an empty file or one
// without the signature line. True when nothing was dropped. A file from
// before the computer's levels holds people only, and reads so.
bool parse_records(std::string_view text, records& table, std::vector<std::string>& dropped);

}  // namespace companion
