// How many squares the turn's markers stand above the seat's banked progress:
// what a stop would bank, as the easy and expert players weigh it.
#pragma once

#include "strategy/game_snapshot.h"

inline int squares_climbed(const game_snapshot& s) {
    int squares = 0;
    for (const auto& m : s.markers) {
        if (m.column == 0) break;
        squares += m.position - s.own_progress(m.column);
    }
    return squares;
}
