// The 126 sorted combinations of four dice, each weighted by the number of the
// 1296 ordered rolls that give it: every expectation of the strategy sums over them.
#pragma once

#include <array>

class dice_multiset {
public:
    dice_multiset() { start(); }
    void start();
    void next();
    bool done() const { return done_; }
    const std::array<int, 4>& dice() const { return dice_; }
    int weight() const;

private:
    std::array<int, 4> dice_{};
    bool done_ = false;
};

// The combinations in enumeration order, with their weights, listed once.
struct weighted_roll {
    std::array<int, 4> dice;
    int weight;
};
const std::array<weighted_roll, 126>& all_rolls();
