#include "strategy/odds_sum.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

roll_moves roll(int weight, std::uint8_t move) { return {weight, 1, {move, move, move, move, move, move}}; }

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }

class odds_sum : public ::testing::Test {
protected:
    void SetUp() override {
        if (!has_fused_multiply_add()) GTEST_SKIP() << "no fused multiply-add here";
    }
};

// The fused steps must round as the double sum does, wherever the odds lie.
TEST_F(odds_sum, fused_steps_round_as_the_double_sum) {
    std::mt19937 rng(7);
    const int weights[] = {1, 4, 6, 12, 24};
    std::vector<float> after(96);
    for (int trial = 0; trial < 2000; ++trial) {
        for (float& v : after) {
            // mostly odds as the look-ahead meets them; some zero, tiny or far below the rest
            const unsigned kind = rng() % 8;
            const float u = std::uniform_real_distribution<float>(0.0f, 1.0f)(rng);
            v = kind == 0 ? 0.0f : kind == 1 ? std::ldexp(u, -int(rng() % 140)) : kind == 2 ? 1.0f : u;
        }
        std::vector<roll_moves> rolls;
        for (int r = int(rng() % 127); r > 0; --r) {
            roll_moves m{weights[rng() % 5], 6, {}};
            for (auto& index : m.moves) index = std::uint8_t(rng() % 96);
            rolls.push_back(m);
        }
        SCOPED_TRACE(trial);
        ASSERT_EQ(bits(best_odds_sum(rolls, after.data(), true)), bits(best_odds_sum(rolls, after.data(), false)));
    }
}

// A sum far below the next step: the double sum lands on a float's halfway
// point and rounds to even, where one rounding of the exact sum goes up.
TEST_F(odds_sum, a_tiny_sum_before_a_halfway_step_keeps_the_double_rounding) {
    const float third = std::ldexp(11184814.0f, -25);  // 3 x third = 1 + 5 x 2^-24
    const std::vector<float> after = {std::ldexp(1.0f, -60), third};
    const std::vector<roll_moves> rolls = {roll(1, 0), roll(3, 1)};
    const float plain = best_odds_sum(rolls, after.data(), false);
    EXPECT_EQ(plain, 1.0f + std::ldexp(2.0f, -23));
    EXPECT_EQ(bits(best_odds_sum(rolls, after.data(), true)), bits(plain));
    EXPECT_NE(std::fma(3.0f, third, after[0]), plain);  // what a fused step alone would give
}

}  // namespace
