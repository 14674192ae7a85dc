#include "companion/roll_odds.h"

#include "engine/game_engine.h"

namespace companion {

roll_count count_busts(game_engine& engine) {
    const auto dice = engine.dice;
    const auto choices = engine.choices;
    roll_count count;
    for (int roll = 0; roll < roll_count::rolls; ++roll) {
        int r = roll;
        for (auto& d : engine.dice) {
            d = 1 + r % 6;
            r /= 6;
        }
        engine.find_choices();
        if (engine.choices.empty()) ++count.busts;
    }
    engine.dice = dice;
    engine.choices = choices;
    return count;
}

}  // namespace companion
