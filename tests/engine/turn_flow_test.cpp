#include <gtest/gtest.h>

#include "tests/engine/engine_fixture.h"

namespace {

using platform::answer;

class turn_flow : public engine_fixture {
protected:
    // The centre of a panel button as last painted.
    void click_button(std::size_t i) {
        const auto& r = engine.button_rects[i];
        engine.handle_click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void roll_with(std::array<int, 4> dice) {
        next_roll_is(dice);
        engine.request_roll();
    }
    std::uint32_t progress(int seat, int column) const { return engine.progress[seat][column]; }
};

TEST_F(turn_flow, a_new_game_starts_clean_at_seat_zero) {
    start(3);
    engine.progress[1][7] = 4;
    roll_with({1, 2, 3, 4});
    engine.new_game(3, 5);
    EXPECT_EQ(engine.columns_to_win, 5u);
    EXPECT_EQ(engine.dice, (std::array<int, 4>{}));
    EXPECT_EQ(engine.markers, (std::array<marker, 3>{}));
    EXPECT_TRUE(engine.choices.empty());
    EXPECT_EQ(engine.current_player, 0u);
    EXPECT_EQ(engine.rolls_this_turn, 0u);
    EXPECT_EQ(engine.phase, roll_or_stop);
    EXPECT_EQ(engine.game_state, playing);
    ASSERT_EQ(engine.progress.size(), 3u);
    for (const auto& row : engine.progress) EXPECT_EQ(row, (std::array<std::uint32_t, 13>{}));
}

TEST_F(turn_flow, before_the_first_game_clicks_do_nothing_and_nothing_is_painted) {
    engine.paint_all();
    engine.handle_click(430, 410);
    EXPECT_TRUE(window.drawing.empty());
    EXPECT_EQ(engine.game_state, no_game);
}

TEST_F(turn_flow, roll_then_choose_with_the_mouse_then_stop) {
    start(2);
    engine.handle_click(1, 1);  // nowhere
    EXPECT_EQ(engine.rolls_this_turn, 0u);
    next_roll_is({1, 2, 3, 4});  // (3,7) (4,6) (5,5)
    click_button(0);
    ASSERT_EQ(engine.phase, choosing);
    EXPECT_EQ(engine.rolls_this_turn, 1u);
    click_button(1);  // the second box: 4 and 6
    EXPECT_EQ(engine.phase, roll_or_stop);
    EXPECT_EQ(engine.markers[0].column, 4u);
    EXPECT_EQ(engine.markers[1].column, 6u);
    click_button(1);  // Stop
    EXPECT_EQ(progress(0, 4), 1u);
    EXPECT_EQ(progress(0, 6), 1u);
    EXPECT_EQ(engine.markers, (std::array<marker, 3>{}));
    EXPECT_EQ(engine.current_player, 1u);
    EXPECT_EQ(engine.rolls_this_turn, 0u);
}

TEST_F(turn_flow, the_stop_button_is_not_there_before_the_first_roll) {
    start(2);
    engine.button_rects[1] = {418, 332, 522, 350};
    engine.handle_click(430, 340);
    EXPECT_EQ(engine.current_player, 0u);
}

TEST_F(turn_flow, the_stop_key_at_turn_start_passes_without_progress) {
    start(2);
    engine.handle_stop_key();
    EXPECT_EQ(engine.current_player, 1u);
    EXPECT_EQ(engine.progress[0], (std::array<std::uint32_t, 13>{}));
    engine.handle_stop_key();
    EXPECT_EQ(engine.current_player, 0u);  // after the last seat comes seat 0
}

TEST_F(turn_flow, enter_rolls_takes_a_single_choice_and_ignores_several) {
    start(2);
    next_roll_is({1, 1, 1, 1});
    engine.handle_enter();
    ASSERT_EQ(engine.choices.size(), 1u);
    engine.handle_enter();
    EXPECT_EQ(engine.markers[0].column, 2u);
    EXPECT_EQ(engine.markers[0].position, 2u);  // a double climbs twice
    next_roll_is({1, 2, 3, 4});
    engine.handle_enter();
    engine.handle_enter();
    EXPECT_EQ(engine.phase, choosing);
    EXPECT_EQ(engine.markers[1].column, 0u);
}

struct digit_case {
    std::array<int, 4> dice;
    int digit;
    std::uint32_t first_marker;  // 0: nothing taken
};

class digits : public turn_flow, public ::testing::WithParamInterface<digit_case> {};

TEST_P(digits, a_digit_takes_the_one_choice_it_names) {
    start(2);
    roll_with(GetParam().dice);
    ASSERT_EQ(engine.phase, choosing);
    engine.handle_digit(GetParam().digit);
    EXPECT_EQ(engine.markers[0].column, GetParam().first_marker);
}

INSTANTIATE_TEST_SUITE_P(keys, digits,
                         ::testing::Values(digit_case{{1, 3, 4, 6}, 1, 4},  // (4,10) through its 10
                                           digit_case{{1, 3, 4, 6}, 9, 5},  // (5,9)
                                           digit_case{{1, 3, 4, 6}, 7, 7},  // (7,7)
                                           digit_case{{1, 3, 4, 6}, 2, 0},  // nothing names 2
                                           digit_case{{4, 5, 5, 6}, 1, 0},  // (9,11) and (10,10) both match
                                           digit_case{{1, 1, 6, 6}, 2, 2},  // (2,12)
                                           digit_case{{1, 1, 6, 6}, 1, 2}),
                         [](const auto& info) {
                             const auto& c = info.param;
                             std::string name = "dice";
                             for (int d : c.dice) name += std::to_string(d);
                             return name + "_key" + std::to_string(c.digit);
                         });

TEST_F(turn_flow, keys_for_the_wrong_phase_do_nothing) {
    start(2);
    engine.handle_digit(4);
    EXPECT_EQ(engine.markers[0].column, 0u);
    roll_with({1, 2, 3, 4});
    engine.request_roll();
    engine.handle_stop_key();
    EXPECT_EQ(engine.rolls_this_turn, 1u);
    EXPECT_EQ(engine.phase, choosing);
    EXPECT_EQ(engine.current_player, 0u);
}

TEST_F(turn_flow, rolling_with_a_topped_marker_asks_first) {
    start(2);
    place({{4, 7}, {6, 2}, {8, 2}});
    engine.rolls_this_turn = 1;
    engine.seed_dice(99);
    window.answers = {answer::no};
    engine.request_roll();
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].text, "Are you sure you want to roll?");
    EXPECT_EQ(window.boxes[0].caption, "Are You Sure?");
    EXPECT_EQ(window.boxes[0].buttons, platform::buttons::yes_no);
    EXPECT_EQ(window.boxes[0].icon, platform::icon::warning);
    EXPECT_EQ(engine.rolls_this_turn, 1u);
    window.answers = {answer::yes};
    engine.request_roll();
    EXPECT_EQ(engine.rolls_this_turn, 2u);
}

TEST_F(turn_flow, rolling_with_three_markers_none_topped_asks_nothing) {
    start(2);
    place({{4, 6}, {6, 2}, {8, 2}});
    engine.rolls_this_turn = 1;
    engine.request_roll();
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_EQ(engine.rolls_this_turn, 2u);
}

TEST_F(turn_flow, a_bust_loses_the_turn_with_sound_and_notice) {
    start(2);
    engine.progress[0][4] = 2;
    place({{4, 5}, {6, 2}, {8, 2}});
    engine.rolls_this_turn = 1;
    roll_with({1, 1, 1, 2});
    EXPECT_EQ(engine.progress[0][4], 2u);
    EXPECT_EQ(engine.markers, (std::array<marker, 3>{}));
    EXPECT_EQ(engine.current_player, 1u);
    EXPECT_EQ(engine.phase, roll_or_stop);
    EXPECT_EQ(engine.rolls_this_turn, 0u);
    ASSERT_FALSE(sound.played.empty());
    EXPECT_EQ(sound.played.back(), (headless::sound_call{platform::sound_id::bust, false}));
    EXPECT_EQ(clock.sleeps.back(), 1000);
}

TEST_F(turn_flow, a_double_reaching_the_top_stays_there) {
    start(2);
    place({{2, 2}});
    engine.rolls_this_turn = 1;
    roll_with({1, 1, 1, 1});
    engine.handle_enter();
    EXPECT_EQ(engine.markers[0].position, 3u);
}

TEST_F(turn_flow, claiming_a_column_wipes_the_others_from_it) {
    start(3);
    engine.progress[1][5] = 6;
    engine.progress[2][5] = 2;
    engine.progress[1][6] = 3;
    engine.progress[0][5] = 7;
    place({{5, 9}});
    engine.rolls_this_turn = 1;
    engine.handle_stop_key();
    EXPECT_EQ(progress(0, 5), 9u);
    EXPECT_EQ(progress(1, 5), 0u);
    EXPECT_EQ(progress(2, 5), 0u);
    EXPECT_EQ(progress(1, 6), 3u);
}

class victory : public turn_flow {
protected:
    // Seat 1 holds two columns and tops a third.
    void win_with(answer reply) {
        settings().player_names[1] = "Ann";
        start(3, 3);
        engine.handle_stop_key();
        engine.progress[1][2] = 3;
        engine.progress[1][12] = 3;
        place({{7, 13}});
        engine.rolls_this_turn = 2;
        window.answers = {reply};
        engine.handle_stop_key();
    }
};

TEST_F(victory, yes_starts_the_same_game_again) {
    win_with(answer::yes);
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].text, "Ann has won!\nDo you want to play again?");
    EXPECT_EQ(window.boxes[0].caption, "Victory");
    EXPECT_EQ(window.boxes[0].buttons, platform::buttons::yes_no);
    EXPECT_EQ(window.boxes[0].icon, platform::icon::warning);
    EXPECT_EQ(engine.player_count, 3u);
    EXPECT_EQ(engine.columns_to_win, 3u);
    EXPECT_EQ(engine.current_player, 0u);
    EXPECT_EQ(engine.progress[1][7], 0u);
    EXPECT_FALSE(window.quit_posted);
    EXPECT_TRUE(window.dialogs.empty());  // no set-up dialog
}

TEST_F(victory, no_ends_the_program_without_passing_the_turn) {
    win_with(answer::no);
    EXPECT_TRUE(window.quit_posted);
    EXPECT_EQ(window.exit_code, 0);
    EXPECT_EQ(engine.current_player, 1u);
    EXPECT_EQ(engine.progress[1][7], 13u);
}

TEST_F(victory, names_of_any_length_are_shown_whole) {
    for (std::size_t length : {0u, 255u, 300u, 5000u}) {
        settings().player_names[0] = std::string(length, 'x');
        start(2, 1);
        place({{2, 3}});
        engine.rolls_this_turn = 1;
        engine.handle_stop_key();
        ASSERT_EQ(window.boxes.size(), 1u);
        EXPECT_EQ(window.boxes[0].text, std::string(length, 'x') + " has won!\nDo you want to play again?");
    }
}

// Two people play a whole game with nothing but the keyboard: roll, take the
// first choice, stop once three markers are out.
TEST_F(turn_flow, people_play_a_whole_game_through_the_inputs) {
    engine.seed_dice(2024);
    start(2, 2);
    window.answers = {answer::no};
    for (int inputs = 0; inputs < 100000 && !window.quit_posted; ++inputs) {
        if (engine.phase == choosing)
            engine.handle_digit(int(engine.choices.begin()->first >= 10 ? 1 : engine.choices.begin()->first));
        if (engine.phase == choosing) engine.handle_enter();
        if (engine.phase == choosing)
            click_button(0);
        else if (engine.markers[2].column != 0)
            engine.handle_stop_key();
        else
            engine.request_roll();
    }
    ASSERT_TRUE(window.quit_posted);
    const auto winner = engine.current_player;
    int claimed = 0;
    for (int c = 2; c <= 12; ++c)
        claimed += engine.progress[winner][c] == std::uint32_t(column_table[c].height);
    EXPECT_GE(claimed, 2);
}

}  // namespace
