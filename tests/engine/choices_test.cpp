#include <gtest/gtest.h>

#include "engine/dice_generator.h"
#include "tests/engine/engine_fixture.h"

namespace {

TEST(dice_generator, seeded_with_one_gives_the_known_sequence) {
    dice_generator g;
    g.seed(1);
    for (std::uint32_t expected : {41u, 18467u, 6334u, 26500u, 19169u}) EXPECT_EQ(g.draw(), expected);
}

TEST(choice, captions_name_doubles_pairs_and_singles) {
    EXPECT_EQ(caption({7, 7}), "Double 7");
    EXPECT_EQ(caption({4, 0}), "4");
    EXPECT_EQ(caption({3, 9}), "3 and 9");
}

struct choice_case {
    const char* name;
    std::vector<marker> markers;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> progress;  // seat 1's (column, level)
    std::vector<std::pair<std::uint32_t, std::uint32_t>> own;       // seat 0's (column, level)
    std::array<int, 4> dice;
    std::vector<choice> expected;
};

class choices_table : public engine_fixture, public ::testing::WithParamInterface<choice_case> {};

TEST_P(choices_table, offers_exactly_the_legal_moves_in_order) {
    const auto& c = GetParam();
    start(2);
    for (auto [column, level] : c.progress) engine.progress[1][column] = level;
    for (auto [column, level] : c.own) engine.progress[0][column] = level;
    place(c.markers);
    EXPECT_EQ(choices_for(c.dice), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    rules, choices_table,
    ::testing::Values(
        choice_case{"four_ones_collapse_into_one_double", {}, {}, {}, {1, 1, 1, 1}, {{2, 2}}},
        choice_case{"three_pairings_in_order", {}, {}, {}, {1, 2, 3, 4}, {{3, 7}, {4, 6}, {5, 5}}},
        choice_case{"one_three_four_six", {}, {}, {}, {1, 3, 4, 6}, {{4, 10}, {5, 9}, {7, 7}}},
        choice_case{"last_free_marker_splits_every_pairing",
                    {{2, 1}, {12, 1}},
                    {},
                    {},
                    {1, 2, 3, 5},
                    {{3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}}},
        choice_case{
            "last_free_marker_takes_a_whole_double", {{2, 1}, {12, 1}}, {}, {}, {3, 3, 3, 3}, {{6, 6}}},
        choice_case{"three_markers_cut_pairs_to_their_marked_column",
                    {{4, 1}, {6, 1}, {8, 1}},
                    {},
                    {},
                    {1, 3, 4, 5},
                    {{4, 0}, {6, 0}, {8, 0}}},
        choice_case{"three_markers_neither_column_busts", {{4, 1}, {6, 1}, {8, 1}}, {}, {}, {1, 1, 1, 2}, {}},
        choice_case{"three_markers_both_columns", {{4, 1}, {6, 1}, {8, 1}}, {}, {}, {1, 3, 2, 6}, {{4, 8}}},
        choice_case{"topped_marker_leaves_the_other_column",
                    {{7, 13}},
                    {},
                    {},
                    {1, 6, 2, 3},
                    {{3, 9}, {4, 8}, {5, 0}}},
        choice_case{"topped_marker_blocks_its_double", {{7, 13}}, {}, {}, {1, 6, 1, 6}, {{2, 12}}},
        choice_case{
            "opponents_claim_closes_a_column", {}, {{3, 5}}, {}, {1, 2, 3, 4}, {{4, 6}, {5, 5}, {7, 0}}},
        choice_case{
            "own_claim_closes_a_column_too", {}, {}, {{7, 13}}, {1, 2, 3, 4}, {{3, 0}, {4, 6}, {5, 5}}},
        choice_case{"double_one_below_the_top_is_still_offered", {{2, 2}}, {}, {}, {1, 1, 1, 1}, {{2, 2}}},
        choice_case{"all_pairings_blocked_is_a_bust", {{2, 3}, {3, 1}, {12, 3}}, {}, {}, {1, 1, 1, 1}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
