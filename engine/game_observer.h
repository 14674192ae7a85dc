// Moments of a game that a tool may want to follow (the match runner traces
// them); the desktop program leaves the observer unset.
#pragma once

#include "engine/choice.h"

class game_observer {
public:
    virtual ~game_observer() = default;
    virtual void turn_started() = 0;  // a new game's first turn, or the turn passed on
    virtual void dice_rolled() = 0;
    virtual void busted() = 0;
    virtual void chose(const choice& taken) = 0;
    virtual void stopped() = 0;
    virtual void player_won() = 0;  // before the victory question is asked
};
