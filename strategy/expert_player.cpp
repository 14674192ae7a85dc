#include "strategy/expert_player.h"

#include <algorithm>

#include "players/game_ui.h"
#include "players/vl_game.h"
#include "strategy/dice_multiset.h"
#include "strategy/squares_climbed.h"

namespace {

constexpr double one_in_1296 = 1.0 / 1296.0;

double bust_chance(const game_snapshot& s) {
    game_snapshot q = s;
    int busts = 0;
    for (const auto& roll : all_rolls()) {
        q.list_choices(roll.dice);
        if (q.choice_count == 0) busts += roll.weight;
    }
    return busts * one_in_1296;
}

bool all_markers_out(const game_snapshot& s) { return s.markers[2].column != 0; }

std::array<int, 3> marker_positions(const game_snapshot& s) {
    return {s.markers[0].position, s.markers[1].position, s.markers[2].position};
}

}  // namespace

expert_player::expert_player(const expert_parameters& parameters)
    : parameters(parameters), search(std::make_unique<completion_search>(game_snapshot::take())) {}

expert_player::~expert_player() = default;

// One more roll, then a stop: each roll takes the move that leaves the best
// race, and a bust leaves the race as it was before the turn.
double expert_player::roll_on_value(const game_snapshot& s, int columns_to_win) const {
    const double busted = win_chance_after(s, false, columns_to_win, parameters.race);
    game_snapshot q = s;
    double total = 0.0;
    for (const auto& roll : all_rolls()) {
        q.list_choices(roll.dice);
        double best = busted;
        if (q.choice_count > 0) {
            best = 0.0;
            for (int i = 0; i < q.choice_count; ++i) {
                q.make_move(i);
                best = std::max(best, win_chance_after(q, true, columns_to_win, parameters.race));
                q.unmake_move(i);
            }
        }
        total += roll.weight * best;
    }
    return total * one_in_1296;
}

expert_reasons expert_player::reasons() {
    const game_snapshot s = game_snapshot::take();
    expert_reasons r = weigh(s, vl_game::instance()->columns_to_win());
    r.claim_chance = search->odds(s);
    return r;
}

// Everything but the look-ahead's odds, which only explain.
expert_reasons expert_player::weigh(const game_snapshot& s, int columns_to_win) const {
    expert_reasons r;
    r.squares_at_stake = squares_climbed(s);
    r.bust_chance = bust_chance(s);
    const race_standing banked = race_after(s, true, columns_to_win, parameters.race);
    double likeliest = 0.0;
    for (int seat = 0; seat < s.seats; ++seat) {
        const double chance = banked.next_turn_win[std::size_t(seat)];
        if (seat != s.current_player && chance > likeliest) {
            likeliest = chance;
            r.threatening_seat = seat;
        }
    }
    if (all_markers_out(s)) {
        last_columns_play& play = play_for(s, columns_to_win);
        r.win_if_stop = play.bank_value(marker_positions(s));
        r.win_if_roll = play.roll_value(marker_positions(s));
    } else {
        r.win_if_stop = win_chance_after(s, true, columns_to_win, parameters.race);
        r.win_if_roll = roll_on_value(s, columns_to_win);
    }
    if (s.markers[0].column == 0) return r;  // nothing at risk before the turn's first move
    r.banking_wins = claimed_columns(s) + topped_markers(s) >= columns_to_win;
    if (r.banking_wins)
        r.stop = true;
    else if (r.bust_chance == 0.0)
        r.stop = false;  // a roll that cannot bust only adds
    else
        r.stop = !(r.win_if_roll > r.win_if_stop);
    return r;
}

last_columns_play& expert_player::play_for(const game_snapshot& s, int columns_to_win) const {
    if (!last_play || !last_play->covers(s) || last_play->target() != columns_to_win)
        last_play = std::make_unique<last_columns_play>(s, columns_to_win, parameters.race);
    return *last_play;
}

int expert_player::wants_to_stop() {
    return weigh(game_snapshot::take(), vl_game::instance()->columns_to_win()).stop ? 1 : 0;
}

int expert_player::best_move(const game_snapshot& s, int columns_to_win) {
    if (s.choice_count == 1) return 0;
    // A move after which a stop wins the game is the move.
    game_snapshot q = s;
    for (int i = 0; i < q.choice_count; ++i) {
        q.make_move(i);
        const bool wins = claimed_columns(q) + topped_markers(q) >= columns_to_win;
        q.unmake_move(i);
        if (wins) return i;
    }
    // Step 1. All markers out: the rest of the turn played exactly.
    if (all_markers_out(s)) {
        last_columns_play& play = play_for(s, columns_to_win);
        int best = 0;
        double best_value = -1.0;
        for (int i = 0; i < q.choice_count; ++i) {
            q.make_move(i);
            const double value = play.value(marker_positions(q));
            q.unmake_move(i);
            if (value > best_value) {
                best_value = value;
                best = i;
            }
        }
        return best;
    }
    // Step 2. Markers still free: the look-ahead's chance of topping a column
    // this turn (on a copy where topped columns count as fresh, as the
    // standard level ranks its moves), plus what the move does to the race.
    game_snapshot reopened = s;
    completion_search::reopen_topped(reopened);
    search->refresh_context(reopened);
    const double before = win_chance_after(s, false, columns_to_win, parameters.race);
    int best = 0;
    double best_value = -1e9;
    for (int i = 0; i < q.choice_count; ++i) {
        reopened.make_move(i);
        const double odds = search->completion_odds(reopened);
        reopened.unmake_move(i);
        q.make_move(i);
        const double gain = win_chance_after(q, true, columns_to_win, parameters.race) - before;
        q.unmake_move(i);
        const double value = odds + parameters.race_weight * gain;
        if (value > best_value) {
            best_value = value;
            best = i;
        }
    }
    return best;
}

int expert_player::choose_column() {
    const game_snapshot s = game_snapshot::take();
    vl_game::instance()->ui()->show_choices(s.choice_count, s.choices.data());
    return int(s.choices[std::size_t(best_move(s, vl_game::instance()->columns_to_win()))].first);
}
