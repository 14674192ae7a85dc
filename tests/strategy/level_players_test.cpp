#include "strategy/computer_level.h"

#include <gtest/gtest.h>

#include <vector>

#include "players/game_ui.h"
#include "strategy/expert_player.h"
#include "strategy/s5_player.h"
#include "tests/players/fake_game_view.h"

namespace {

class silent_ui final : public game_ui {
public:
    void show_board() override {}
    void turn_started() override {}
    void player_won() override {}
    void dice_rolled() override {}
    void busted() override {}
    void stopped() override {}
    void wait_for_enter() override {}
    void chose(const choice&) override {}
    void show_choices(int, const choice*) override {}
};

// A two-seat game, seat 0 to play; each case writes its position.
class level_players : public ::testing::Test {
protected:
    level_players() {
        view.set_ui(&ui);
        view.register_players(2);
    }
    void position(std::vector<std::array<int, 3>> progress, std::vector<std::array<int, 2>> markers,
                  std::array<int, 4> dice = {1, 1, 1, 1}) {
        for (auto& row : view.progress_of)
            for (int& p : row) p = 0;
        for (const auto& [seat, column, square] : progress) view.progress_of[seat][column] = square;
        view.markers = {};
        for (std::size_t i = 0; i < markers.size(); ++i) view.markers[i] = markers[i];
        view.dice = dice;
    }
    int answer_of(computer_level level, bool stop) {
        const auto player = make_computer_player(level);
        return stop ? player->wants_to_stop() : player->choose_column();
    }

    fake_game_view view;
    silent_ui ui;
};

}  // namespace

TEST(computer_level_names, name_each_level_both_ways) {
    for (const computer_level level : {computer_level::easy, computer_level::standard, computer_level::expert})
        EXPECT_EQ(level_from_name(level_name(level)), level);
    EXPECT_EQ(level_name(computer_level::expert), "expert");
    EXPECT_EQ(level_from_name("Expert"), std::nullopt);
    EXPECT_EQ(level_from_name(""), std::nullopt);
}

TEST_F(level_players, the_standard_level_is_the_described_player) {
    const auto player = make_computer_player(computer_level::standard);
    EXPECT_NE(dynamic_cast<s5_player*>(player.get()), nullptr);
}

TEST_F(level_players, every_level_takes_a_stop_that_wins) {
    // Columns 2 and 12 claimed, and a marker on the top of column 7 with two
    // more markers out that have climbed little: a roll could only lose it.
    position({{0, 2, 3}, {0, 12, 3}, {0, 7, 10}}, {{7, 13}, {6, 1}, {8, 1}});
    for (const computer_level level : {computer_level::easy, computer_level::standard, computer_level::expert})
        EXPECT_EQ(answer_of(level, true), 1) << level_name(level);
}

TEST_F(level_players, every_level_takes_the_move_that_wins) {
    // Two columns claimed, column 7 one square below its top: dice 2 2 3 4
    // offer (4, 7), which tops it, and (5, 6).
    position({{0, 2, 3}, {0, 12, 3}, {0, 7, 12}}, {}, {2, 2, 3, 4});
    for (const computer_level level : {computer_level::easy, computer_level::expert})
        EXPECT_EQ(answer_of(level, false), 4) << level_name(level);
}

TEST_F(level_players, the_expert_pushes_on_when_an_opponent_can_win_next_turn) {
    // The opponent has two columns and stands one square below the top of
    // column 7; we have nothing banked and a poor turn on three columns, the
    // one the standard player banks by its odds. Banking it leaves the
    // opponent to win at once, so the expert rolls on.
    position({{1, 5, 9}, {1, 9, 9}, {1, 7, 12}}, {{2, 1}, {3, 1}, {12, 1}});
    EXPECT_EQ(answer_of(computer_level::standard, true), 1);
    EXPECT_EQ(answer_of(computer_level::expert, true), 0);
    // Without the threat, against an opponent who has claimed nothing yet,
    // the expert banks the same turn too.
    position({{1, 5, 4}, {1, 9, 4}, {1, 7, 2}}, {{2, 1}, {3, 1}, {12, 1}});
    EXPECT_EQ(answer_of(computer_level::expert, true), 1);
}

TEST_F(level_players, the_easy_level_rolls_while_a_roll_cannot_bust_and_stops_on_enough) {
    position({}, {{7, 6}});  // one marker out: every roll offers a move
    EXPECT_EQ(answer_of(computer_level::easy, true), 0);
    position({}, {{4, 2}, {6, 2}, {8, 1}});  // five squares, three markers out
    EXPECT_EQ(answer_of(computer_level::easy, true), 1);
    position({}, {{4, 1}, {6, 1}, {8, 1}});
    EXPECT_EQ(answer_of(computer_level::easy, true), 0);
}

TEST_F(level_players, the_expert_gives_its_reasons) {
    position({{1, 5, 9}, {1, 9, 9}, {1, 7, 12}}, {{2, 1}, {3, 1}, {12, 1}});
    expert_player expert;
    const expert_reasons r = expert.reasons();
    EXPECT_FALSE(r.stop);
    EXPECT_EQ(r.squares_at_stake, 3);
    EXPECT_GT(r.bust_chance, 0.0);
    EXPECT_LT(r.bust_chance, 1.0);
    EXPECT_EQ(r.threatening_seat, 1);
    // Before the turn's first move there is nothing at stake.
    position({}, {});
    const expert_reasons start = expert.reasons();
    EXPECT_FALSE(start.stop);
    EXPECT_EQ(start.squares_at_stake, 0);
    EXPECT_EQ(start.bust_chance, 0.0);
}

