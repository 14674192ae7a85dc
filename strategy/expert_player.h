// The expert computer: plays the race, not only the turn. Every stop and
// every move is weighed by its estimate of the chance to win the game (the
// race of all seats, race_estimate.h; heads-up, a network fitted to its own
// games reads the race, learned_race.h). Once all three markers are out it
// plays the rest of the turn exactly; before that it rolls on when one more
// roll is worth more than a stop, and takes the standard look-ahead's move,
// shifted by how much each move would change the race.
#pragma once

#include <memory>

#include "players/game_player.h"
#include "strategy/completion_search.h"
#include "strategy/expert_reasons.h"
#include "strategy/last_columns_play.h"
#include "strategy/race_estimate.h"

struct expert_parameters {
    race_parameters race;
    // How much a move's gain in the chance to win counts beside its chance of
    // topping a column this turn, while markers are still free. A weight of
    // 2.5 lost about 3 points over 2,000 games; 0 won as many as 1 over 20,000.
    double race_weight = 1.0;
};

class expert_player final : public game_player {
public:
    explicit expert_player(const expert_parameters& parameters = {});
    ~expert_player() override;

    int wants_to_stop() override;
    int choose_column() override;
    const char* name() override { return "expert"; }

    // The roll-or-stop answer with its reasons, for the position the view shows
    // now, at any moment of any seat's turn.
    expert_reasons reasons();

private:
    expert_reasons weigh(const game_snapshot& s, int columns_to_win) const;
    double roll_on_value(const game_snapshot& s, int columns_to_win) const;
    int best_move(const game_snapshot& s, int columns_to_win);

    last_columns_play& play_for(const game_snapshot& s, int columns_to_win) const;

    expert_parameters parameters;
    std::unique_ptr<completion_search> search;
    // The exact play of the turn's last columns, kept while the turn goes on:
    // its values hold for every later position of the turn.
    mutable std::unique_ptr<last_columns_play> last_play;
};
