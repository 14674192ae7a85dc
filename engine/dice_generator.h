// The dice's random source: a 32-bit linear congruential generator yielding
// bits 16..30 of each new state. Seeded once per run; nothing else draws from it.
#pragma once

#include <cstdint>

class dice_generator {
public:
    void seed(std::uint32_t s) { state_ = s; }
    std::uint32_t draw() {
        state_ = state_ * 214013u + 2531011u;
        return (state_ >> 16) & 0x7fff;
    }
    int die() { return int(draw() % 6) + 1; }
    // The state the next draw starts from; seed() with it goes on with the same dice.
    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = 1;
};
