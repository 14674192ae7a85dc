// The easy computer: plays like a beginner who knows the rules. It takes the
// move that climbs the most squares and counts squares instead of odds: it
// rolls on until the turn has climbed a fixed number of them, whatever the
// risk. It never stops when a roll cannot bust, and always takes a winning stop.
#pragma once

#include "players/game_player.h"

class easy_player final : public game_player {
public:
    int wants_to_stop() override;
    int choose_column() override;
    const char* name() override { return "easy"; }

    // Squares a turn climbs before it is banked.
    static constexpr int enough_squares = 5;
};
