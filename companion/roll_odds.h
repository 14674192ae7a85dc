// How often a roll offers no move: counted over all 1296 ordered rolls of four
// dice with the engine's own rules, for the position as it stands.
#pragma once

class game_engine;

namespace companion {

struct roll_count {
    static constexpr int rolls = 1296;
    int busts = 0;
    double chance() const { return double(busts) / rolls; }
};

// The engine's dice and choices are as they were afterwards; nothing is drawn.
roll_count count_busts(game_engine& engine);

}  // namespace companion
