// The records: per player name, games played, games won and the fewest turns
// to a win, kept in a text file a person can read. A damaged line costs only
// its own player's record: every good line of the file is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace companion {

struct player_record {
    std::uint32_t played = 0;
    std::uint32_t won = 0;
    std::optional<std::uint32_t> fewest_turns;  // the player's own turns; none before a win

    bool operator==(const player_record&) const = default;
};

// Keyed by the name exactly as typed, computer seats included.
using records = std::map<std::string, player_record>;

inline constexpr const char* records_file_name = "records.txt";
// Thousands of players' worth; a larger file is damage, and one is never written.
inline constexpr std::size_t records_file_limit = 4 * 1024 * 1024;

// Counts one finished game: each name among the seats has played it once, even
// when two seats share it; the winner's name has won it, in winner_turns of its
// own turns. A winner that is no seat counts nothing.
void count_game(records& table, const std::vector<std::string>& seat_names, std::size_t winner,
                std::uint32_t winner_turns);

std::string format_records(const records& table);

// Every good record line of text into table. Each line that is not as the
// program writes it (comments and blank lines apart) is left out and adds one
// entry to dropped, naming the line and why, as does an empty file or one
// without the signature line. True when nothing was dropped.
bool parse_records(std::string_view text, records& table, std::vector<std::string>& dropped);

}  // namespace companion
