// A learned estimate of the race, heads-up: a small network that reads the
// board from the side of the seat about to play and gives that seat's chance
// to win. It is fitted to the outcomes of the expert's own games against the
// standard computer (tools/zarvelin_learn.cpp), and starts from the formula's
// estimate (race_estimate.h), which it takes as one of its inputs.
#pragma once

#include <array>
#include <vector>

#include "strategy/game_snapshot.h"

constexpr int race_inputs = 48;
using race_features = std::array<float, race_inputs>;

// The board as the network reads it, for `mover` about to play against
// `other`, with `progress` as banked. `formula_chance` is the formula's chance
// for the mover; `mover_is_expert` tells the network whose play follows.
race_features describe_race(const int progress[5][13], int mover, int other, double formula_chance,
                            bool mover_is_expert);

// The columns mirrored about the middle one: the board is the same game.
race_features mirrored(const race_features& f);

struct race_network {
    int hidden = 0;
    std::vector<float> w1, b1, w2;  // w1: hidden x inputs
    float b2 = 0.0f;

    double logit(const race_features& f) const;
    double chance(const race_features& f) const;

    // The network from its numbers as the learning tool writes them: the
    // hidden units' count, then w1, b1, w2 and b2. False if they do not fit.
    bool read(const std::vector<float>& numbers);
    std::vector<float> numbers() const;
};

// The network shipped with the expert, fitted to its games against the
// standard computer, heads-up, first to three columns.
const race_network& heads_up_race_network();
