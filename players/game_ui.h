// The framework's output interface: game events reported to a person, and a
// pause for the Enter key.
#pragma once

#include "engine/choice.h"

class game_ui {
public:
    virtual ~game_ui() = default;
    virtual void show_board() = 0;
    virtual void turn_started() = 0;
    virtual void player_won() = 0;
    virtual void dice_rolled() = 0;
    virtual void busted() = 0;
    virtual void stopped() = 0;
    virtual void wait_for_enter() = 0;
    virtual void chose(const choice& taken) = 0;
    virtual void show_choices(int count, const choice* choices) = 0;
};
