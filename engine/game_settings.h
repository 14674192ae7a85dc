// The game settings: edited by the set-up dialog, read by the engine and the
// board view whenever they need them. They live for one run and are never saved.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct game_settings {
    std::uint32_t setup_player_count = 2;
    std::int32_t setup_columns_to_win = 3;
    std::array<bool, 4> seat_is_human{};
    std::array<std::string, 4> player_names;
    std::int32_t computer_pace = 1;  // 1 = the computer moves quickly, 0 = slowly
};

// The run's one set of settings.
game_settings& settings();
