// The soak driver's own random source (splitmix64): the same seed gives the
// same choices on every compiler, which the standard distributions do not promise.
#pragma once

#include <cstdint>

class soak_random {
public:
    explicit soak_random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        return z ^ (z >> 31);
    }
    // 0 to n - 1; n is small, so the modulo's bias does not matter here.
    std::uint32_t below(std::uint32_t n) { return std::uint32_t(next() % n); }
    // True `per_mille` times in a thousand.
    bool chance(std::uint32_t per_mille) { return below(1000) < per_mille; }

private:
    std::uint64_t state_;
};
