// The moves that a given set of marked columns offers on each of the 126
// rolls, listed once per set so that evaluating a position only looks moves up.
// Within a set only the double of a marked column depends on how high its
// marker stands: a listed double is played as a single once it would pass the top.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "strategy/game_snapshot.h"

struct roll_moves {
    int weight;
    int count;                          // the listed moves, 1..6 (busts are left out)
    std::array<std::uint8_t, 6> moves;  // indexes into the set's distinct moves
};

struct move_lists {
    bool ready = false;
    std::vector<choice> distinct;   // every move listed on some roll, first seen first
    std::vector<roll_moves> rolls;  // in the order of the dice enumeration
};

// Lists the moves of `position`'s marked columns, its markers standing one
// square above the current player's progress (below the top).
move_lists list_moves_of(game_snapshot position);
