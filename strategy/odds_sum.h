// The look-ahead's innermost sum: over the rolls of a position, each roll's
// weight times the best odds among its moves.
#pragma once

#include <vector>

#include "strategy/move_lists.h"

// The rolls in order, each step float(double(acc) + weight x best), `after`
// holding the odds after each of the lists' distinct moves. `fused` (only where
// has_fused_multiply_add) takes the same sum by fused steps where they round the same.
float best_odds_sum(const std::vector<roll_moves>& rolls, const float* after, bool fused);

// The processor multiplies and adds in one instruction with one rounding.
bool has_fused_multiply_add();
