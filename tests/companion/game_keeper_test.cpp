// The game in progress is saved at every move through the additions, offered
// at the next start as "Resume Game", put back on Yes, set aside on No, and
// gone once the game is won.
#include "companion/game_keeper.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "companion/additions.h"
#include "companion/saved_game_file.h"
#include "shell/window_messages.h"
#include "tests/companion/fake_companion_host.h"
#include "tests/companion/temp_folder.h"
#include "tests/engine/engine_fixture.h"

namespace {

using platform::answer;

using no_services = fakes::companion_host;

class game_keeper : public engine_fixture {
protected:
    game_keeper() {
        settings().seat_is_human = {true, false, false, false};
        settings().computer_pace = 0;
        settings().player_names = {"Ana", "Ben", "", ""};
        window.on_paint = [this] { send(::msg::wm_paint); };
        setenv("XDG_CONFIG_HOME", home.path.c_str(), 1);
    }
    ~game_keeper() override { unsetenv("XDG_CONFIG_HOME"); }

    shell::proc_result send(std::uint32_t message, std::uintptr_t wparam = 0) {
        return layer.window_proc(message, wparam, 0);
    }
    std::filesystem::path folder() const { return home.path / "zarvelin"; }
    companion::saved_game saved() {
        companion::saved_game game;
        std::string message;
        EXPECT_EQ(companion::load_saved_game(folder(), game, message), companion::saved_game_found::readable)
            << message;
        return game;
    }
    // The next start of the program, with the run's defaults before anything is read.
    bool next_start(answer reply) {
        settings() = game_settings{};
        engine.game_state = no_game;
        window.answers = {reply};
        window.boxes.clear();
        next_run.emplace(engine, services, sound);
        return next_run->resume_unfinished_game();
    }

    temp_folder home;
    no_services services;
    companion::additions layer{engine, services, sound};
    std::optional<companion::additions> next_run;
};

TEST_F(game_keeper, every_move_is_saved_and_yes_puts_the_game_back_as_it_stood) {
    start(2);
    EXPECT_EQ(saved().phase, roll_or_stop);  // the new game itself
    engine.seed_dice(99);
    send(::msg::wm_char, 'r');
    // The roll is saved once its message is done, in the phase it led to.
    ASSERT_EQ(engine.phase, choosing);
    const companion::saved_game at_choice = saved();
    EXPECT_EQ(at_choice.phase, choosing);
    EXPECT_EQ(at_choice.dice, engine.dice);
    EXPECT_EQ(at_choice.dice_state, engine.dice_state());
    const auto markers = engine.markers;
    const auto choices = engine.choices;

    EXPECT_TRUE(next_start(answer::yes));
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].caption, "Resume Game");
    EXPECT_EQ(window.boxes[0].text, "Resume the unfinished game of Ana and the computer, turn 1?");
    EXPECT_EQ(window.boxes[0].buttons, platform::buttons::yes_no);
    EXPECT_EQ(engine.game_state, playing);
    EXPECT_EQ(engine.phase, choosing);
    EXPECT_EQ(engine.markers, markers);
    EXPECT_EQ(engine.choices, choices);
    EXPECT_EQ(engine.dice_state(), at_choice.dice_state);
    EXPECT_EQ(settings().player_names[0], "Ana");
    EXPECT_EQ(settings().seat_is_human[1], false);
    EXPECT_EQ(settings().computer_pace, 0);
}

TEST_F(game_keeper, no_sets_the_game_aside_and_the_set_up_dialog_follows) {
    start(2);
    EXPECT_FALSE(next_start(answer::no));
    EXPECT_EQ(window.boxes.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder() / "saved-game.txt"));
    EXPECT_TRUE(std::filesystem::exists(folder() / "saved-game.txt.declined-1"));
    // The next start asks nothing.
    EXPECT_FALSE(next_start(answer::yes));
    EXPECT_TRUE(window.boxes.empty());
}

TEST_F(game_keeper, a_won_game_leaves_nothing_to_resume) {
    start(2);
    engine.progress[0][2] = 3;
    engine.progress[0][12] = 3;
    engine.markers[0] = {3, 5};
    engine.rolls_this_turn = 1;
    window.answers = {answer::no};  // not another game
    send(::msg::wm_char, 's');
    ASSERT_TRUE(window.quit_posted);
    EXPECT_FALSE(std::filesystem::exists(folder() / "saved-game.txt"));
    EXPECT_FALSE(next_start(answer::yes));
    EXPECT_TRUE(window.boxes.empty());
}

TEST_F(game_keeper, a_choice_the_dice_cannot_offer_is_refused_and_set_aside) {
    start(2);
    companion::saved_game game = saved();
    game.phase = choosing;
    game.rolls_this_turn = 1;
    game.dice = {1, 1, 1, 1};  // only column 2, which the computer holds
    game.progress[1][2] = 3;
    std::string error;
    ASSERT_TRUE(companion::save_game_file(folder(), game, error)) << error;
    EXPECT_FALSE(next_start(answer::yes));
    EXPECT_EQ(engine.game_state, no_game);
    EXPECT_TRUE(std::filesystem::exists(folder() / "saved-game.txt.damaged-1"));
}

}  // namespace
