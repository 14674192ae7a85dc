#include "strategy/s5_player.h"

#include <cstdio>

#include "players/game_ui.h"
#include "players/vl_game.h"

float s5_player::shared_default = 0.0f;

s5_player::s5_player() : search(std::make_unique<completion_search>(game_snapshot::take())) {
    parameter_count = 1;
    const double p = (vl_game::instance()->columns_to_win() - 3) * 0.1 + 0.2;
    shared_default = float(p);
    defaults.assign(std::size_t(parameter_count), shared_default);
    parameters.assign(std::size_t(parameter_count), shared_default);
}

s5_player::~s5_player() = default;

int s5_player::wants_to_stop() {
    const game_snapshot s = game_snapshot::take();
    const int topped = topped_markers(s);
    if (claimed_columns(s) + topped >= vl_game::instance()->columns_to_win()) return 1;  // banking wins
    if (topped >= 1) {
        if (s.markers[2].column != 0) return 1;
        return search->guided_until(s, 0.1) > 0.1 ? 0 : 1;
    }
    if (search->greedy_until(s, 0.03) > 0.03) return 0;
    if (search->guided_until(s, 0.0) > 0.0) return 0;
    if (search->odds(s) > parameters[0]) return 0;
    return 1;
}

int s5_player::choose_column() {
    game_snapshot s = game_snapshot::take();
    vl_game::instance()->ui()->show_choices(s.choice_count, s.choices.data());
    return int(s.choices[std::size_t(search->best_choice(s))].first);
}

const char* s5_player::name() {
    if (shared_default == parameters[0]) return "s5_player";
    static char text[64];
    std::snprintf(text, sizeof text, "s5_player %1.2f", double(parameters[0]));
    return text;
}
