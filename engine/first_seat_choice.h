// Where an addition may choose the seat that starts a game (taking turns to
// start); without one, seat 0 starts every game.
#pragma once

#include <cstdint>

class first_seat_choice {
public:
    virtual ~first_seat_choice() = default;
    // Asked once at the start of every game, with the game's number of seats.
    virtual std::uint32_t first_seat(std::uint32_t player_count) = 0;
};
