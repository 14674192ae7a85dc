// How the race stands. Each seat still needs some columns; a turn of its own
// claims the next of them with a chance that grows as its progress there
// nears the top. From those chances, with the opponents playing before our
// next turn, follows the current player's chance to win the game. The expert
// weighs every stop with it.
#pragma once

#include <array>

#include "strategy/game_snapshot.h"
#include "strategy/learned_race.h"

struct race_parameters {
    // A column whose rest takes `a` appearances of its sum is claimed in one
    // turn with the chance exp(-(a / appearances_per_claim)^claim_exponent).
    // Tuned in self-play against the standard level (tools/zarvelin_tune.cpp)
    // on seeds 1000 and 1001: over 8,000 games these won 53.6%, the exponent 1
    // with 12 appearances 52.2% of 4,000, and exponents from 0.5 to 0.7 with 6
    // to 16 appearances about as many as these. An exponent below 1 flattens
    // the chance for far columns and sharpens it near the top: the squares
    // that finish a column are worth more than those that start one.
    double appearances_per_claim = 16.0;
    double claim_exponent = 0.7;
    // Heads-up races to three columns are read by this network, with the
    // formula's estimate as one of its inputs; none: by the formula alone.
    const race_network* learned = &heads_up_race_network();
};

struct race_standing {
    bool won = false;                         // the current player has claimed enough
    double win_chance = 0.0;                  // the current player's
    std::array<double, 5> next_turn_win{};    // per seat: the chance to win on its next turn
};

// The race as it would stand with the current player's markers banked
// (`bank` true) or thrown away by a bust (`bank` false).
race_standing race_after(const game_snapshot& s, bool bank, int columns_to_win, const race_parameters& p);

// The board as the learned network reads it, heads-up in a race to three
// columns, for the current player about to play (no markers out).
race_features race_features_of(const game_snapshot& s, const race_parameters& p, bool mover_is_expert);

// The current player's chance to win, as race_after's or the learned network's.
double win_chance_after(const game_snapshot& s, bool bank, int columns_to_win, const race_parameters& p);

// The chance that a roll offers column c as one of its pair sums, counted over the 1296 rolls.
double column_chance(int column);
