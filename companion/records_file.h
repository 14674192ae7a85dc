// The records: per player name, games played, games won and the fewest turns
// to a win, kept in a text file a person can read. Unlike the set-up, a records
// file is read whole or not at all: half of someone's records would be wrong.
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

// The whole file or nothing: true with every record, or false with table empty
// and error naming the first line that is not as the program writes it
// (comments and blank lines apart).
bool parse_records(std::string_view text, records& table, std::string& error);

}  // namespace companion
