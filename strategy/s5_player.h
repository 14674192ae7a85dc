// The computer opponent: takes the move with the best chance of topping a
// column this turn, and rolls on while one more roll is expected to pay.
#pragma once

#include <memory>
#include <vector>

#include "players/game_player.h"
#include "strategy/completion_search.h"

class s5_player final : public game_player {
public:
    s5_player();
    ~s5_player() override;

    int wants_to_stop() override;
    int choose_column() override;
    const char* name() override;

    float parameter() const { return parameters[0]; }

private:
    std::unique_ptr<completion_search> search;
    std::vector<float> defaults;
    std::vector<float> parameters;  // entry 0: the threshold on the completion odds
    int parameter_count = 0;

    static float shared_default;
};
