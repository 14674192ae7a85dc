#include "strategy/s5_player.h"

#include <gtest/gtest.h>

#include <vector>

#include "players/game_ui.h"
#include "tests/players/fake_game_view.h"

namespace {

// Keeps the lists of choices the player shows.
class recording_ui final : public game_ui {
public:
    void show_board() override {}
    void turn_started() override {}
    void player_won() override {}
    void dice_rolled() override {}
    void busted() override {}
    void stopped() override {}
    void wait_for_enter() override {}
    void chose(const choice&) override {}
    void show_choices(int count, const choice* choices) override {
        shown.emplace_back(choices, choices + count);
    }
    std::vector<std::vector<choice>> shown;
};

// A two-seat game with nothing claimed and no progress; the player is
// made before any seat is registered, as at the first new game.
class strategy_player : public ::testing::Test {
protected:
    strategy_player() {
        view.set_ui(&ui);
        player = std::make_unique<s5_player>();
        view.seats = 2;
    }
    void markers(std::vector<std::array<int, 2>> ms) {
        view.markers = {};
        for (std::size_t i = 0; i < ms.size(); ++i) view.markers[i] = ms[i];
    }

    fake_game_view view;
    recording_ui ui;
    std::unique_ptr<s5_player> player;
};

}  // namespace

TEST(strategy_parameter, follows_the_columns_to_win_of_the_first_game) {
    const float expected[] = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f};
    for (int target = 1; target <= 6; ++target) {
        fake_game_view view;
        view.target = target;
        s5_player player;
        EXPECT_EQ(player.parameter(), expected[target - 1]) << target;
        EXPECT_STREQ(player.name(), "s5_player");
    }
}

struct stop_case {
    std::vector<std::array<int, 2>> markers;
    double greedy, guided;
    float odds;
    int answer;
};

TEST_F(strategy_player, worked_stop_decisions) {
    const stop_case cases[] = {
        {{{4, 1}, {6, 1}}, 0.2606, 0, 0, 0},
        {{{7, 5}, {6, 4}, {8, 4}}, 0.0262, 0.0250, 0, 0},
        {{{2, 2}, {12, 2}, {7, 6}}, -0.2569, -0.2569, 0.5503f, 0},
        {{{2, 1}, {3, 1}, {12, 1}}, -0.3598, -0.3601, 0.0714f, 1},
    };
    for (const auto& c : cases) {
        markers(c.markers);
        SCOPED_TRACE(c.markers[0][0]);
        const game_snapshot s = game_snapshot::take();
        EXPECT_NEAR(greedy_gain(s), c.greedy, 5e-5);
        completion_search search(s);
        if (c.guided != 0) {
            EXPECT_NEAR(search.guided(s), c.guided, 5e-5);
        }
        if (c.odds != 0) {
            EXPECT_NEAR(search.odds(s), c.odds, 5e-5);
        }
        EXPECT_EQ(player->wants_to_stop(), c.answer);
    }
}

TEST_F(strategy_player, stops_when_banking_wins_or_every_marker_is_out_with_one_on_top) {
    view.progress_of[0][2] = 3;
    view.progress_of[0][12] = 3;
    markers({{7, 13}, {6, 1}});  // a third column topped, an easy roll still ahead
    EXPECT_EQ(player->wants_to_stop(), 1);
    view.progress_of[0][12] = 0;
    markers({{7, 13}, {6, 1}, {8, 1}});
    EXPECT_EQ(player->wants_to_stop(), 1);
}

TEST_F(strategy_player, with_a_column_topped_rolls_on_only_for_a_gain_above_a_tenth) {
    markers({{2, 3}, {12, 1}});
    for (int c : {6, 7, 8}) view.progress_of[1][c] = view.column_height(c);
    EXPECT_EQ(player->wants_to_stop(), 0);  // guided gain about 0.138
    view.progress_of[1][7] = 0;
    for (int c : {5, 9}) view.progress_of[1][c] = view.column_height(c);
    EXPECT_EQ(player->wants_to_stop(), 1);  // guided gain about 0.077, though the greedy one is 0.11
}

TEST_F(strategy_player, takes_the_opening_move_with_the_best_odds) {
    view.dice = {1, 2, 3, 4};
    EXPECT_EQ(player->choose_column(), 4);
    ASSERT_EQ(ui.shown.size(), 1u);
    const std::vector<choice> expected = {{3, 7}, {4, 6}, {5, 5}};
    EXPECT_EQ(ui.shown[0], expected);
}

TEST_F(strategy_player, answers_the_only_move) {
    markers({{4, 2}, {6, 1}, {8, 3}});
    view.dice = {2, 2, 1, 5};  // only column 4 can move
    EXPECT_EQ(player->choose_column(), 4);
    EXPECT_EQ(ui.shown.back().size(), 1u);
}
