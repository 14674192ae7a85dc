#include "strategy/odds_sum.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

// The product is exact in a double (a weight of at most 24 times a float); so
// is the sum when acc's and v's exponents differ by at most 20 (their bits by
// less than 20 << 23: both are positive floats), and then the one rounding to
// float is what a fused multiply-add rounds. The fused step takes a third of
// the time of the two conversions on the sum's critical path; acc and v far
// apart (acc 0, v 0 or tiny) take the double sum.
template <bool fused>
inline float sum_in_order(const std::vector<roll_moves>& rolls, const float* after) {
    // std::max without a branch: the odds are never NaN
    const auto larger = [](float a, float b) { return a < b ? b : a; };
    const auto best = [&](const roll_moves& roll) {
        const auto& m = roll.moves;
        return larger(larger(larger(after[m[0]], after[m[1]]), larger(after[m[2]], after[m[3]])),
                      larger(after[m[4]], after[m[5]]));
    };
    constexpr std::uint32_t near = 20u << 23;
    if (rolls.empty()) return 0.0f;
    float acc = float(0.0 + double(rolls[0].weight) * double(best(rolls[0])));  // the first step, from 0
    for (std::size_t i = 1; i < rolls.size(); ++i) {
        const roll_moves& roll = rolls[i];
        const float v = best(roll);
        const std::uint32_t apart = std::bit_cast<std::uint32_t>(acc) - std::bit_cast<std::uint32_t>(v);
        if (fused && apart + near < 2 * near)
            acc = std::fma(float(roll.weight), v, acc);
        else
            acc = float(double(acc) + double(roll.weight) * double(v));
    }
    return acc;
}

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("fma")))
#endif
float fused_sum(const std::vector<roll_moves>& rolls, const float* after) {
    return sum_in_order<true>(rolls, after);
}

}  // namespace

float best_odds_sum(const std::vector<roll_moves>& rolls, const float* after, bool fused) {
    return fused ? fused_sum(rolls, after) : sum_in_order<false>(rolls, after);
}

bool has_fused_multiply_add() {
#if defined(__x86_64__) && defined(__GNUC__)
    return __builtin_cpu_supports("fma");
#elif defined(__FP_FAST_FMAF)
    return true;
#else
    return false;
#endif
}
