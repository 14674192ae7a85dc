#include "strategy/game_snapshot.h"

#include <gtest/gtest.h>

#include <vector>

#include "strategy/dice_multiset.h"
#include "tests/players/fake_game_view.h"

namespace {

struct listing_case {
    const char* what;
    std::vector<std::array<int, 2>> markers;
    int progress_in_2;
    std::array<int, 4> dice;
    std::vector<choice> expected;
};

game_snapshot position(const listing_case& c) {
    game_snapshot s;
    s.seats = 2;
    s.progress[0][2] = c.progress_in_2;
    for (std::size_t i = 0; i < c.markers.size(); ++i) s.markers[i] = {c.markers[i][0], c.markers[i][1]};
    return s;
}

}  // namespace

TEST(dice_multiset, enumerates_126_combinations_weighing_1296_rolls) {
    int count = 0, total = 0;
    std::array<int, 4> previous{};
    for (dice_multiset d; !d.done(); d.next()) {
        ++count;
        total += d.weight();
        EXPECT_LT(previous, d.dice());
        previous = d.dice();
    }
    EXPECT_EQ(count, 126);
    EXPECT_EQ(total, 1296);
    const std::pair<std::array<int, 4>, int> weights[] = {
        {{1, 1, 1, 1}, 1}, {{1, 1, 1, 2}, 4}, {{1, 1, 2, 2}, 6}, {{1, 1, 2, 3}, 12}, {{1, 2, 3, 4}, 24}};
    for (const auto& [dice, weight] : weights)
        for (const auto& roll : all_rolls())
            if (roll.dice == dice) {
                EXPECT_EQ(roll.weight, weight);
            }
}

TEST(game_snapshot, lists_the_moves_of_a_roll) {
    const listing_case cases[] = {
        {"opening", {}, 0, {1, 2, 3, 4}, {{3, 7}, {4, 6}, {5, 5}}},
        {"a double", {}, 0, {1, 1, 1, 1}, {{2, 2}}},
        {"a double past the top", {}, 2, {1, 1, 1, 1}, {{2, 0}}},
        {"one free marker, two new columns",
         {{10, 1}, {11, 1}},
         0,
         {1, 2, 3, 5},
         {{3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}}},
        {"no free marker", {{4, 1}, {6, 1}, {8, 1}}, 0, {1, 3, 4, 5}, {{4, 0}, {6, 0}, {8, 0}}},
        {"no free marker, pairs", {{4, 1}, {6, 1}, {8, 1}}, 0, {2, 2, 4, 4}, {{4, 8}, {6, 6}}},
        {"a topped column", {{7, 13}}, 0, {3, 4, 2, 2}, {{4, 0}, {5, 6}}},
        {"a bust", {{2, 1}, {3, 1}, {12, 1}}, 0, {4, 4, 5, 6}, {}},
    };
    for (const auto& c : cases) {
        game_snapshot s = position(c);
        s.list_choices(c.dice);
        EXPECT_EQ(std::vector<choice>(s.choices.begin(), s.choices.begin() + s.choice_count), c.expected)
            << c.what;
    }
}

TEST(game_snapshot, moves_are_undone_exactly) {
    for (dice_multiset d; !d.done(); d.next()) {
        listing_case c{"", {{7, 3}, {4, 2}}, 1, d.dice(), {}};
        game_snapshot s = position(c);
        s.list_choices(d.dice());
        for (int i = 0; i < s.choice_count; ++i) {
            game_snapshot moved = s;
            moved.make_move(i);
            EXPECT_GT(turn_progress(moved), turn_progress(s));
            moved.unmake_move(i);
            EXPECT_EQ(moved.markers, s.markers);
        }
    }
}

TEST(game_snapshot, a_double_past_the_top_tops_the_column_in_one_step) {
    game_snapshot s = position({"", {}, 2, {}, {}});
    s.list_choices({1, 1, 1, 1});
    s.make_move(0);
    EXPECT_EQ(s.markers[0].column, 2);
    EXPECT_EQ(s.markers[0].position, 3);
    EXPECT_TRUE(s.is_column_claimed(2));
}

TEST(game_snapshot, taken_from_the_view_with_unrolled_dice_read_as_ones) {
    fake_game_view view;
    view.seats = 2;
    view.seat = 1;
    view.progress_of[1][4] = 2;
    view.markers = {{{4, 4}, {7, 1}, {0, 0}}};
    const game_snapshot s = game_snapshot::take();
    EXPECT_EQ(s.dice, (std::array<int, 4>{1, 1, 1, 1}));
    EXPECT_EQ(s.choice_count, 1);  // the double of 2
    EXPECT_DOUBLE_EQ(turn_progress(s), 2.0 / 7 + 1.0 / 13);
}

TEST(game_snapshot, greedy_gain_of_a_fresh_turn_is_the_expected_first_step) {
    game_snapshot s;
    s.seats = 2;
    EXPECT_GT(greedy_gain(s), 0.0);
    // Three short columns: many rolls bust and lose the turn.
    s.markers = {{{2, 1}, {3, 1}, {12, 1}}};
    s.list_choices({4, 4, 5, 6});
    EXPECT_EQ(s.choice_count, 0);
    EXPECT_NEAR(greedy_gain(s), -0.3598, 5e-5);
}
