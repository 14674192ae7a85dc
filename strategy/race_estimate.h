// How the race stands: for every seat, how many turns it still needs to claim
// the columns it lacks, and from that the current player's chance to win. The
// expert weighs every stop and every move with it.
#pragma once

#include <array>

#include "strategy/game_snapshot.h"

struct race_parameters {
    double columns_per_turn = 5.0;  // column appearances a turn is worth: turns = appearances / this
    double sharpness = 1.6;         // how fast a lead in turns becomes a sure win
    double tempo = 0.5;             // turns the opponents gain by playing before our next turn
};

struct race_standing {
    std::array<double, 5> turns_to_win{};  // per seat; far_away when it cannot win any more
    bool won = false;                      // the current player has claimed enough
    double win_chance = 0.0;               // the current player's
};

constexpr double far_away = 99.0;

// The race as it would stand with the current player's markers banked
// (`bank` true) or thrown away by a bust (`bank` false).
race_standing race_after(const game_snapshot& s, bool bank, int columns_to_win, const race_parameters& p);

// The chance that a roll offers column c as one of its pair sums, counted over the 1296 rolls.
double column_chance(int column);
