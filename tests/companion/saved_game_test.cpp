// A saved game restores to the very position it was saved at, and the game
// goes on from there as it would have: the same dice, the same decisions. A
// file that is not such a game is refused and set aside, never half-read.
#include "companion/saved_game.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "companion/game_restore.h"
#include "companion/saved_game_file.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"
#include "tests/companion/temp_folder.h"

namespace {

// ---- Positions reached in play, saved and restored -----------------------------------------

// Turns begun per seat, as the records count them.
class turn_counter final : public game_observer {
public:
    explicit turn_counter(const game_engine& engine) : engine_(engine) {}
    void turn_started() override { ++turns[engine_.current_player]; }
    void dice_rolled() override {}
    void busted() override {}
    void chose(const choice&) override {}
    void stopped() override {}
    void player_won() override {}
    std::array<std::uint32_t, 4> turns{};

private:
    const game_engine& engine_;
};

// A line of everything the board shows and the rules read.
std::string position(const game_engine& e) {
    std::string text;
    const auto put = [&text](const char* label, std::int64_t value) {
        text += label;
        text += std::to_string(value);
    };
    put("seat ", e.current_player);
    put(" phase ", e.phase);
    put(" rolls ", e.rolls_this_turn);
    for (int d : e.dice) put(" die ", d);
    for (const marker& m : e.markers) {
        put(" marker ", m.column);
        put(":", m.position);
    }
    if (e.phase == choosing) {
        for (const choice& c : e.choices) {
            put(" choice ", c.first);
            put(",", c.second);
        }
    }
    for (const auto& row : e.progress)
        for (int c = 2; c <= 12; ++c) put(" ", row[c]);
    put(" state ", e.game_state);
    return text + "\n";
}

// One run of the program on the headless platform: slow computers in every
// seat, so that each Enter is one decision.
struct program {
    program() {
        engine.set_devices({&graphics, &sound, &clock});
        engine.create_drawing_objects();
        engine.set_window(&window);
        window.on_paint = [this] { engine.paint_all(); };
        engine.observer = &counter;
    }
    ~program() {
        engine.observer = nullptr;
        engine.delete_drawing_objects();
    }

    // The next decisions' positions, one line each.
    std::string future(int decisions) {
        std::string lines;
        for (int i = 0; i < decisions && !window.quit_posted; ++i) {
            engine.handle_enter();
            lines += position(engine);
        }
        return lines;
    }

    headless::headless_window window{false};
    headless::headless_graphics graphics;
    headless::headless_sound sound{false};
    headless::virtual_clock clock{false};
    game_engine engine;
    turn_counter counter{engine};
};

void slow_computers() {
    settings() = game_settings{};
    settings().seat_is_human = {false, false, false, false};
    settings().computer_pace = 0;
    settings().player_names = {"Ana", "Ben", "Cy", "Di"};
}

struct reached_case {
    const char* name;
    std::uint32_t seats;
    bool (*reached)(const game_engine&);
};

bool claimed_any(const game_engine& e) {
    for (const auto& row : e.progress)
        for (int c = 2; c <= 12; ++c)
            if (row[c] == std::uint32_t(column_table[c].height)) return true;
    return false;
}

const reached_case reached_cases[] = {
    {"awaiting_a_choice", 2, [](const game_engine& e) { return e.phase == choosing; }},
    {"awaiting_roll_or_stop_mid_turn", 3,
     [](const game_engine& e) { return e.phase == roll_or_stop && e.rolls_this_turn > 1; }},
    {"a_later_turn_begun", 2,
     [](const game_engine& e) { return e.rolls_this_turn == 0 && e.current_player == 1; }},
    {"right_after_a_claim", 2, [](const game_engine& e) { return e.rolls_this_turn == 0 && claimed_any(e); }},
    {"four_seats_three_markers_out", 4,
     [](const game_engine& e) { return e.phase == choosing && e.markers[2].column != 0; }},
};

class restored_position : public ::testing::TestWithParam<reached_case> {};

TEST_P(restored_position, is_the_same_position_with_the_same_future) {
    const reached_case& c = GetParam();
    slow_computers();
    auto first = std::make_unique<program>();
    first->engine.seed_dice(20260101);
    first->engine.new_game(c.seats, 3);
    for (int step = 0; step < 5000 && !c.reached(first->engine); ++step) first->engine.handle_enter();
    ASSERT_TRUE(c.reached(first->engine)) << "the seeded game never reached the position";

    const std::string saved_at = position(first->engine);
    const std::string text =
        companion::format_saved_game(companion::capture_game(first->engine, first->counter.turns, 3));
    const std::string uninterrupted = first->future(400);
    first.reset();

    // Another run: its own engine and players, and settings from nothing but the file.
    settings() = game_settings{};
    program second;
    companion::saved_game game;
    std::string why;
    ASSERT_TRUE(companion::parse_saved_game(text, game, why)) << why;
    ASSERT_TRUE(companion::restore_game(second.engine, game, why)) << why;
    EXPECT_EQ(position(second.engine), saved_at);
    EXPECT_EQ(companion::format_saved_game(companion::capture_game(second.engine, game.turns, 3)), text);
    EXPECT_EQ(second.future(400), uninterrupted);
}

INSTANTIATE_TEST_SUITE_P(saved_game, restored_position, ::testing::ValuesIn(reached_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// The players are kept while the number of seats stays, and their threshold
// comes from the columns to win of the game they were made for: a game of 4
// after a game of 3 is played by players made for 3, and so is it resumed.
TEST(saved_game, computer_players_are_made_as_the_saved_run_made_them) {
    slow_computers();
    auto first = std::make_unique<program>();
    first->engine.new_game(2, 3);
    first->engine.new_game(2, 4);
    ASSERT_EQ(companion::players_made_for(first->engine), 3u);
    const std::string text = companion::format_saved_game(
        companion::capture_game(first->engine, {1, 0, 0, 0}, companion::players_made_for(first->engine)));
    first.reset();

    program second;
    companion::saved_game game;
    std::string why;
    ASSERT_TRUE(companion::parse_saved_game(text, game, why)) << why;
    ASSERT_TRUE(companion::restore_game(second.engine, game, why)) << why;
    EXPECT_EQ(second.engine.columns_to_win, 4u);
    EXPECT_EQ(companion::players_made_for(second.engine), 3u);
}

}  // namespace
