// The Game menu's pieces in the engine: at the standard level and with the
// start as described, every game plays exactly as without them.
#include "companion/computer_levels.h"

#include <gtest/gtest.h>

#include "companion/start_rotation.h"
#include "players/engine_game_view.h"
#include "tests/engine/quick_table.h"

namespace {

// Seeded games between quick computers, with the levels and the rotating
// start in the engine or without them; the log of every moment.
std::string play(std::uint32_t seats, std::uint32_t seed, bool with_game_menu) {
    quick_table t(seats, 30);
    companion::computer_levels levels;
    companion::start_rotation rotation;
    if (with_game_menu) {
        t.engine.view->player_maker = &levels;
        t.engine.start_choice = &rotation;
    }
    t.engine.seed_dice(seed);
    t.engine.new_game(seats, 3);
    t.engine.run_computer_steps();
    t.engine.view->player_maker = nullptr;
    t.engine.start_choice = nullptr;
    return t.log.text;
}

TEST(computer_levels, the_standard_level_and_the_described_start_leave_every_game_as_it_was) {
    for (std::uint32_t seats = 2; seats <= 4; ++seats) {
        SCOPED_TRACE(seats);
        const std::string described = play(seats, 500 + seats, false);
        EXPECT_GT(described.size(), 1000u);
        EXPECT_EQ(play(seats, 500 + seats, true), described);
    }
}

}  // namespace
