// Where an addition may choose who plays the seats (the computer's level): the
// view asks it for each seat's player when it makes them, and whether the
// players it has are still the ones wanted when a game starts.
#pragma once

#include <memory>

#include "players/game_player.h"

class seat_player_maker {
public:
    virtual ~seat_player_maker() = default;
    // True when the next game wants other players than the ones made last.
    virtual bool wants_new_players() = 0;
    virtual std::unique_ptr<game_player> make_player(int seat) = 0;
};
