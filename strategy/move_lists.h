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
    int count;  // the listed moves, 1..6 (busts are left out)
    // Indexes into the set's distinct moves; past `count` the first one again,
    // so that the best of the six is the best of the listed ones.
    std::array<std::uint8_t, 6> moves;
};

// Where a distinct move leads in the look-ahead's tables. With the markers
// ranked by column, highest first, the cell's index is `base` plus per[r]
// times the square of the marker of rank r, less per[double_rank] when that
// marker's double would pass the top (above double_last) and is played as a single.
struct move_target {
    bool three_markers = false;  // a cell of the shared table, else of the two-marker table
    int base = 0;
    std::array<int, 3> per{};
    int double_rank = -1;  // -1: the move is no double of a marked column
    int double_last = 0;
};

struct move_lists {
    bool ready = false;
    std::vector<choice> distinct;   // every move listed on some roll, first seen first
    std::vector<roll_moves> rolls;  // in the order of the dice enumeration
    std::vector<move_target> targets;  // one per distinct move, filled by the look-ahead
};

// Lists the moves of `position`'s marked columns, its markers standing one
// square above the current player's progress (below the top), into `lists`
// (its storage reused).
void list_moves_of(game_snapshot position, move_lists& lists);
