// Taking turns to start: the seat after the last game's first, around the table.
#include "companion/start_rotation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(start_rotation, off_every_game_starts_with_seat_0_and_on_the_next_seat_starts) {
    companion::start_rotation rotation;
    const auto firsts = [&](std::vector<std::uint32_t> seat_counts) {
        std::vector<std::uint32_t> seats;
        for (std::uint32_t n : seat_counts) seats.push_back(rotation.first_seat(n));
        return seats;
    };
    EXPECT_EQ(firsts({2, 4, 4}), (std::vector<std::uint32_t>{0, 0, 0}));
    rotation.set_on(true);
    EXPECT_EQ(firsts({4, 4, 4, 4, 3, 3, 2}), (std::vector<std::uint32_t>{1, 2, 3, 0, 1, 2, 1}));
    rotation.set_on(false);
    EXPECT_EQ(firsts({3}), (std::vector<std::uint32_t>{0}));

    companion::start_rotation fresh;
    fresh.set_on(true);  // on from the run's start: its first game starts with seat 0
    EXPECT_EQ(fresh.first_seat(2), 0u);
    EXPECT_EQ(fresh.first_seat(2), 1u);
}

}  // namespace
