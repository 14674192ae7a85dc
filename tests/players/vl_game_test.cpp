#include "players/vl_game.h"

#include <gtest/gtest.h>

#include <csignal>

#include "players/text_ui.h"
#include "tests/players/fake_game_view.h"
#include "tests/players/fatal_exit_support.h"

namespace {
class vl_game_death : public ::testing::TestWithParam<stdin_holds> {};
}  // namespace

TEST(vl_game, heights_follow_the_board) {
    fake_game_view view;
    const int expected[] = {3, 5, 7, 9, 11, 13, 11, 9, 7, 5, 3};
    for (int c = 2; c <= 12; ++c) EXPECT_EQ(view.column_height(c), expected[c - 2]) << c;
}

TEST(vl_game, a_column_is_claimed_by_any_seat_or_a_marker_on_top) {
    fake_game_view view;
    view.seats = 3;
    view.seat = 0;
    view.progress_of[2][4] = 7;   // another seat's claim
    view.progress_of[0][6] = 10;  // one short of the top
    view.markers = {{{9, 9}, {0, 0}, {5, 9}}};
    EXPECT_TRUE(view.is_column_claimed(4));
    EXPECT_FALSE(view.is_column_claimed(6));
    EXPECT_TRUE(view.is_column_claimed(9));   // not banked yet
    EXPECT_FALSE(view.is_column_claimed(5));  // the scan stops at the free slot 1
    view.markers[0] = {0, 0};
    EXPECT_FALSE(view.is_column_claimed(9));
}

TEST(vl_game, one_view_at_a_time_and_a_new_one_after_it_is_gone) {
    { fake_game_view first; }
    fake_game_view second;
    EXPECT_EQ(vl_game::instance(), &second);
}

TEST(vl_game, five_seats_are_accepted_and_nobody_is_interactive) {
    fake_game_view view;
    view.register_players(5);
    for (view.seat = 0; view.seat < 5; ++view.seat) EXPECT_FALSE(view.current_player_is_interactive());
}

TEST_P(vl_game_death, instance_without_a_view) {
    fatal_child child(GetParam());
    EXPECT_EXIT(
        {
            child.enter();
            vl_game::instance();
        },
        testing::ExitedWithCode(1), "");
    EXPECT_EQ(child.output(),
              "Error - vl_game must be created before using instance().\nHit Enter to continue:");
}

TEST_P(vl_game_death, a_second_view) {
    fatal_child child(GetParam());
    fake_game_view first;
    EXPECT_EXIT(
        {
            child.enter();
            fake_game_view second;
        },
        testing::ExitedWithCode(1), "");
    EXPECT_EQ(child.output(), "Error - attempt to create second vl_game object\nHit Enter to continue:");
}

TEST_P(vl_game_death, six_seats) {
    fatal_child child(GetParam());
    fake_game_view view;
    text_ui ui(false, false, false);
    view.set_ui(&ui);
    EXPECT_EXIT(
        {
            child.enter();
            view.register_players(6);
        },
        testing::ExitedWithCode(1), "");
    EXPECT_EQ(child.output(), "Error - too many players: 6.\nHit Enter to continue:");
}

INSTANTIATE_TEST_SUITE_P(stdin, vl_game_death, testing::Values(stdin_holds::a_line, stdin_holds::nothing),
                         [](const testing::TestParamInfo<stdin_holds>& input) {
                             return input.param == stdin_holds::a_line ? "reading_a_line" : "at_end_of_input";
                         });

// Without input the fatal paths wait: the child sits on its read until the alarm.
TEST(vl_game_death_wait, fatal_paths_wait_for_a_line) {
    fatal_child child(stdin_holds::silence);
    EXPECT_EXIT(
        {
            child.enter();
            vl_game::instance();
        },
        testing::KilledBySignal(SIGALRM), "");
}
