#include "strategy/easy_player.h"

#include "players/game_ui.h"
#include "players/vl_game.h"
#include "strategy/dice_multiset.h"
#include "strategy/game_snapshot.h"
#include "strategy/squares_climbed.h"

namespace {

bool can_bust(const game_snapshot& s) {
    game_snapshot q = s;
    for (const auto& roll : all_rolls()) {
        q.list_choices(roll.dice);
        if (q.choice_count == 0) return true;
    }
    return false;
}

}  // namespace

int easy_player::wants_to_stop() {
    const game_snapshot s = game_snapshot::take();
    if (claimed_columns(s) + topped_markers(s) >= vl_game::instance()->columns_to_win()) return 1;
    if (!can_bust(s)) return 0;
    return squares_climbed(s) >= enough_squares ? 1 : 0;
}

int easy_player::choose_column() {
    game_snapshot s = game_snapshot::take();
    vl_game::instance()->ui()->show_choices(s.choice_count, s.choices.data());
    int best = 0;
    int most = -1;
    for (int i = 0; i < s.choice_count; ++i) {
        s.make_move(i);
        const int squares = squares_climbed(s);
        s.unmake_move(i);
        if (squares > most) {
            most = squares;
            best = i;
        }
    }
    return int(s.choices[std::size_t(best)].first);
}
