// The remembered set-up: what the set-up dialog carries from one game to the
// next (seats, columns to win, names), the sound switch and the Game menu's
// choices, kept in a text file a person can read between runs. Reading never
// fails: whatever is bad in the file is ignored, said so, and left at its default.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "strategy/computer_level.h"

struct game_settings;

namespace companion {

struct saved_setup {
    std::uint32_t player_count = 2;
    std::int32_t columns_to_win = 3;
    std::array<std::string, 4> player_names{"Player 1", "Player 2", "Player 3", "Player 4"};
    bool sound = true;
    // The Game menu: the computer's level and taking turns to start.
    computer_level level = computer_level::standard;
    bool take_turns_starting = false;
    bool score_sheet = false;  // its window open

    bool operator==(const saved_setup&) const = default;
};

inline constexpr const char* setup_file_name = "settings.txt";
// A set-up file is a few hundred bytes; more is damage, read only up to here.
inline constexpr std::size_t setup_file_limit = 64 * 1024;

std::string format_setup(const saved_setup& setup);

// The defaults with every good value of text taken; of a key given twice, the
// first good value counts. Each line ignored, and each name cut, adds one line
// to ignored saying which and why (after twenty, only how many more).
saved_setup parse_setup(std::string_view text, std::vector<std::string>& ignored);

// The set-up in folder's settings.txt; a missing file gives the defaults
// quietly, an unreadable one the defaults and a line in ignored.
saved_setup load_setup(const std::filesystem::path& folder, std::vector<std::string>& ignored);

// Replaces folder's settings.txt atomically; false, with the reason, when the
// old file had to stay.
bool save_setup(const std::filesystem::path& folder, const saved_setup& setup, std::string& error);

// The values of the run's settings worth remembering, and back. Only these
// three reach the dialog; its opening rules decide the seats and the pace.
saved_setup setup_of(const game_settings& settings, bool sound);
void restore_setup(const saved_setup& setup, game_settings& settings);

}  // namespace companion
