#include "players/engine_game_view.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/game_engine.h"
#include "strategy/completion_search.h"
#include "tests/players/fatal_exit_support.h"

TEST(engine_game_view, answers_from_the_engine_at_the_moment_of_the_call) {
    game_engine engine;
    engine_game_view& view = *engine.view;
    EXPECT_EQ(vl_game::instance(), &view);
    EXPECT_EQ(view.player_count(), 0);
    engine.new_game(3, 4);
    engine.current_player = 2;
    engine.progress[2][9] = 5;
    engine.progress[1][9] = 7;
    engine.markers[0] = {6, 4};
    engine.dice = {6, 1, 2, 5};
    EXPECT_EQ(view.player_count(), 3);
    EXPECT_EQ(view.columns_to_win(), 4);
    EXPECT_EQ(view.current_player(), 2);
    EXPECT_EQ(view.progress(1, 9), 7);
    EXPECT_EQ(view.current_player_progress(9), 5);
    EXPECT_EQ(view.marker_column(0), 6);
    EXPECT_EQ(view.marker_position(0), 4);
    EXPECT_EQ(view.marker_column(1), 0);
    EXPECT_EQ(view.die(0), 6);
    EXPECT_EQ(view.die(3), 5);
}

TEST(engine_game_view, players_are_kept_while_the_number_of_seats_stays) {
    const int before = completion_search::search_count();
    game_engine engine;
    engine.new_game(3, 3);
    EXPECT_EQ(completion_search::search_count(), before + 3);
    const game_player* first = engine.view->player(0);
    engine.new_game(3, 5);
    EXPECT_EQ(completion_search::search_count(), before + 3);
    EXPECT_EQ(engine.view->player(0), first);
    engine.new_game(2, 3);  // the old players are released, not leaked
    EXPECT_EQ(completion_search::search_count(), before + 2);
}

TEST(engine_game_view, the_view_goes_with_the_engine) {
    fatal_child child(stdin_holds::nothing);
    EXPECT_EXIT(
        {
            child.enter();
            { game_engine engine; }
            vl_game::instance();
        },
        testing::ExitedWithCode(1), "");
    EXPECT_EQ(child.output(),
              "Error - vl_game must be created before using instance().\nHit Enter to continue:");
}
