// What the framework requires of a player: the two decisions of a computer
// turn, read from the game through vl_game::instance().
#pragma once

class game_player {
public:
    virtual ~game_player() = default;
    // About to make the first choice of a turn.
    virtual void begin_turn() {}
    // Nonzero: stop and bank the turn. Asked only after a move this turn.
    virtual int wants_to_stop() = 0;
    // The first column of the chosen move.
    virtual int choose_column() = 0;
    virtual bool is_interactive() { return false; }
    virtual const char* name() { return "Unknown"; }
};
