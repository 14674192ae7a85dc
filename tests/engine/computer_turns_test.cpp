#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "players/engine_game_view.h"
#include "players/game_player.h"
#include "tests/engine/engine_fixture.h"

namespace {

using platform::answer;

// A computer player that answers from a script and counts the questions.
class scripted_player final : public game_player {
public:
    int wants_to_stop() override {
        ++stop_questions;
        return stop_answer;
    }
    int choose_column() override {
        ++choose_questions;
        return column_answer;
    }
    void begin_turn() override { ++turns_begun; }

    int stop_answer = 0;
    int column_answer = 0;
    int stop_questions = 0, choose_questions = 0, turns_begun = 0;
};

class computer_turns : public engine_fixture {
protected:
    // Seat 0 a person, seat 1 the scripted computer; seat 1 to move.
    void start_against_script(int pace) {
        settings().seat_is_human = {true, false, false, false};
        settings().computer_pace = pace;
        start(2);
        engine.view->set_players(seats.data(), 2);
        computer.column_answer = 0;
    }
    void pass_to_computer() {
        engine.handle_stop_key();
        forget();
    }

    scripted_player person, computer;
    std::array<game_player*, 2> seats{&person, &computer};
};

TEST_F(computer_turns, at_slow_pace_each_click_or_enter_is_one_step) {
    start_against_script(0);
    pass_to_computer();
    ASSERT_EQ(engine.current_player, 1u);
    EXPECT_EQ(engine.rolls_this_turn, 0u);  // nothing starts by itself
    next_roll_is({1, 2, 3, 4});
    engine.handle_click(5, 5);  // anywhere: the roll
    EXPECT_EQ(engine.rolls_this_turn, 1u);
    EXPECT_EQ(engine.phase, choosing);
    EXPECT_EQ(computer.stop_questions, 0);  // never asked before a move
    computer.column_answer = 6;
    engine.handle_enter();  // the choice naming 6: (4,6)
    EXPECT_EQ(engine.markers[0].column, 4u);
    EXPECT_EQ(engine.markers[1].column, 6u);
    EXPECT_EQ(engine.phase, roll_or_stop);
    EXPECT_EQ(computer.turns_begun, 1);
    computer.stop_answer = 1;
    engine.request_roll();  // R, S and digits do nothing on a computer's turn
    engine.handle_stop_key();
    engine.handle_digit(4);
    EXPECT_EQ(engine.current_player, 1u);
    engine.handle_click(300, 5);  // right or left, the same: stop
    EXPECT_EQ(computer.stop_questions, 1);
    EXPECT_EQ(engine.current_player, 0u);
    EXPECT_EQ(engine.progress[1][4], 1u);
}

TEST_F(computer_turns, an_answer_naming_no_offered_column_changes_nothing) {
    start_against_script(0);
    pass_to_computer();
    next_roll_is({1, 2, 3, 4});
    engine.handle_enter();
    computer.column_answer = 12;
    engine.handle_enter();
    EXPECT_EQ(engine.phase, choosing);
    EXPECT_EQ(engine.markers[0].column, 0u);
    computer.column_answer = 5;
    engine.handle_enter();
    EXPECT_EQ(engine.markers[0], (marker{5, 2}));
    EXPECT_EQ(computer.turns_begun, 2);  // asked again as a first choice
}

TEST_F(computer_turns, at_quick_pace_the_whole_turn_runs_and_hands_back) {
    start_against_script(1);
    next_roll_is({1, 2, 3, 4});
    computer.column_answer = 3;
    computer.stop_answer = 1;
    engine.handle_stop_key();
    engine.run_computer_steps();  // the computer rolls, takes (3,7), stops
    EXPECT_EQ(engine.current_player, 0u);
    EXPECT_EQ(engine.progress[1][3], 1u);
    EXPECT_EQ(engine.progress[1][7], 1u);
    EXPECT_EQ(computer.stop_questions, 1);
    const auto rolls = sound.played.size();
    engine.handle_click(430, 410);  // a person's turn again: clicks are the person's
    EXPECT_GT(sound.played.size(), rolls);
}

// Every seat a quick computer, 200 games answered Yes, then No: the loop that
// runs the chain must keep the stack where it was.
TEST(computer_chain, two_hundred_games_run_in_a_loop_not_a_recursion) {
    settings() = game_settings{};
    settings().player_names = {"Player 1", "Player 2", "Player 3", "Player 4"};
    headless::headless_window window(false);
    headless::headless_graphics graphics;
    headless::headless_sound sound(false);
    headless::virtual_clock clock(false);
    game_engine engine;
    engine.set_devices({&graphics, &sound, &clock});
    engine.create_drawing_objects();
    engine.set_window(&window);
    window.on_paint = [&] { engine.paint_all(); };

    struct stack_watch final : game_observer {
        void turn_started() override {
            // The frame's own address, not a local's: AddressSanitizer may keep
            // locals on a heap-allocated fake stack, far from the real one.
            const auto at = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
            lowest = std::min(lowest, at);
            highest = std::max(highest, at);
        }
        void dice_rolled() override {}
        void busted() override {}
        void chose(const choice&) override {}
        void stopped() override {}
        void player_won() override { ++games; }
        std::uintptr_t lowest = UINTPTR_MAX, highest = 0;
        int games = 0;
    } watch;
    engine.observer = &watch;
    int answered = 0;
    window.answerer = [&](const headless::message_box_call&) {
        return ++answered < 200 ? answer::yes : answer::no;
    };
    engine.seed_dice(12345);
    engine.new_game(2, 3);
    engine.run_computer_steps();
    engine.delete_drawing_objects();
    EXPECT_TRUE(window.quit_posted);
    EXPECT_EQ(watch.games, 200);
    EXPECT_LT(watch.highest - watch.lowest, 4096u);
}

}  // namespace
