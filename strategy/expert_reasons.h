// Why the expert answers as it does, in quantities a player can use.
#pragma once

struct expert_reasons {
    bool stop = false;             // its answer to roll or stop
    bool banking_wins = false;     // stopping now claims the last column needed
    double bust_chance = 0.0;      // that the next roll offers no move, exact over the 1296 rolls
    int squares_at_stake = 0;      // squares climbed this turn, lost by a bust
    float claim_chance = 0.0f;     // of topping a column this turn by rolling on (the look-ahead's odds)
    double win_if_stop = 0.0;      // the estimated chance to win with the turn banked now
    double win_if_roll = 0.0;      // the same after one more roll, a bust counted as lost
    int threatening_seat = -1;     // an opponent who can win on their next turn, or -1
};
