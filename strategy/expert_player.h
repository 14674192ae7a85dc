// The expert computer: plays the race, not only the turn. It takes the
// standard look-ahead's move unless a move changes the race more, and it
// stops when banking now is worth more, in its estimate of the chance to win
// the game, than one more roll.
#pragma once

#include <memory>

#include "players/game_player.h"
#include "strategy/completion_search.h"
#include "strategy/expert_reasons.h"
#include "strategy/race_estimate.h"

struct expert_parameters {
    race_parameters race;
    // Rolling on keeps the choice of stopping later, worth this share of the
    // chance to win at stake: one more roll is compared with a stop now plus it.
    double boldness = 0.0;
    bool race_moves = false;
    bool push = true;
};

class expert_player final : public game_player {
public:
    explicit expert_player(const expert_parameters& parameters = {});
    ~expert_player() override;

    int wants_to_stop() override;
    int choose_column() override;
    const char* name() override { return "expert"; }

    // The roll-or-stop answer with its reasons, for the position the view shows now.
    expert_reasons reasons();

private:
    expert_reasons weigh(const game_snapshot& s, int columns_to_win) const;
    double push_on_value(const game_snapshot& s, int columns_to_win) const;
    double roll_on_value(const game_snapshot& s, int columns_to_win) const;
    int best_move(const game_snapshot& s, int columns_to_win);

    expert_parameters parameters;
    std::unique_ptr<completion_search> search;
};
