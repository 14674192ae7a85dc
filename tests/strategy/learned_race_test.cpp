#include <gtest/gtest.h>

#include <algorithm>

#include "strategy/learned_race.h"

namespace {

// Seat 0 about to play against seat 1, with the formula's estimate `formula`.
double chance_of(const int (&progress)[5][13], double formula) {
    return heads_up_race_network().chance(describe_race(progress, 0, 1, formula, false));
}

}  // namespace

TEST(learned_race, the_shipped_network_reads_the_race_from_both_sides) {
    ASSERT_GT(heads_up_race_network().hidden, 0) << "the built-in numbers were not read";
    int progress[5][13] = {};
    progress[0][2] = 3;  // claimed
    progress[0][12] = 3;
    progress[0][7] = 12;  // one square below the top
    const double ahead = chance_of(progress, 0.9);
    EXPECT_GT(ahead, 0.85);
    int behind[5][13] = {};
    std::copy(&progress[0][0], &progress[0][0] + 13, &behind[1][0]);
    EXPECT_LT(chance_of(behind, 0.1), 0.3);
    // Mirrored about column 7 the board is the same game.
    int mirror[5][13] = {};
    std::copy(&progress[0][0], &progress[0][0] + 5 * 13, &mirror[0][0]);
    progress[1][6] = 5;
    mirror[1][8] = 5;
    EXPECT_NEAR(chance_of(progress, 0.8), chance_of(mirror, 0.8), 0.05);
}

TEST(learned_race, numbers_that_do_not_fit_a_network_are_refused) {
    race_network n;
    EXPECT_TRUE(n.read(heads_up_race_network().numbers()));
    std::vector<float> numbers = n.numbers();
    numbers.pop_back();
    const std::vector<std::vector<float>> refused = {{}, {0.0f}, {2.5f}, {-3.0f}, numbers};
    for (const auto& r : refused) EXPECT_FALSE(n.read(r)) << r.size() << " numbers";
}
