// The rest of a turn once all three markers are out: only their columns can
// move, so the whole of it can be played out exactly. Each position is worth
// the better of banking it (the race's estimate of the chance to win) and
// rolling on (each roll taking its best move, a bust losing the turn).
#pragma once

#include <vector>

#include "strategy/game_snapshot.h"
#include "strategy/race_estimate.h"

class last_columns_play {
public:
    // For a position with three markers out; `s` gives the seats' progress.
    last_columns_play(const game_snapshot& s, int columns_to_win, const race_parameters& race);

    // The chance to win with the markers at `positions` (one per slot, at or
    // above the position's own), playing on as well as possible.
    double value(const std::array<int, 3>& positions);
    // Whether the values hold for `s`: the same seats' progress and turn, the
    // same marked columns, no marker below where this play began.
    bool covers(const game_snapshot& s) const;
    int target() const { return columns_to_win; }
    double bank_value(const std::array<int, 3>& positions);
    double roll_value(const std::array<int, 3>& positions);

private:
    int index(const std::array<int, 3>& positions) const;

    game_snapshot start;
    int columns_to_win;
    race_parameters race;
    double busted = 0.0;
    std::array<int, 3> columns{}, lowest{}, span{};
    // Per roll, its moves as steps per slot (none listed: a bust).
    struct roll_steps {
        int weight;
        int count;
        std::array<std::array<int, 3>, 6> steps;
    };
    std::vector<roll_steps> rolls;
    std::vector<double> values, rolled;  // by position; negative: not known yet
};
