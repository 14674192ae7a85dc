#include "strategy/expert_player.h"

#include <algorithm>

#include "players/game_ui.h"
#include "players/vl_game.h"
#include "strategy/dice_multiset.h"

namespace {

constexpr double one_in_1296 = 1.0 / 1296.0;

int squares_climbed(const game_snapshot& s) {
    int squares = 0;
    for (const auto& m : s.markers) {
        if (m.column == 0) break;
        squares += m.position - s.own_progress(m.column);
    }
    return squares;
}

double bust_chance(const game_snapshot& s) {
    game_snapshot q = s;
    int busts = 0;
    for (const auto& roll : all_rolls()) {
        q.list_choices(roll.dice);
        if (q.choice_count == 0) busts += roll.weight;
    }
    return busts * one_in_1296;
}

}  // namespace

expert_player::expert_player(const expert_parameters& parameters)
    : parameters(parameters), search(std::make_unique<completion_search>(game_snapshot::take())) {}

expert_player::~expert_player() = default;

// One more roll, then a stop: each roll takes the move that leaves the best
// race, and a bust leaves the race as it was before the turn.
double expert_player::roll_on_value(const game_snapshot& s, int columns_to_win) const {
    const double busted = race_after(s, false, columns_to_win, parameters.race).win_chance;
    game_snapshot q = s;
    double total = 0.0;
    for (const auto& roll : all_rolls()) {
        q.list_choices(roll.dice);
        double best = busted;
        if (q.choice_count > 0) {
            best = 0.0;
            for (int i = 0; i < q.choice_count; ++i) {
                q.make_move(i);
                best = std::max(best, race_after(q, true, columns_to_win, parameters.race).win_chance);
                q.unmake_move(i);
            }
        }
        total += roll.weight * best;
    }
    return total * one_in_1296;
}

// Rolling on until a marker tops its column, as the look-ahead would: with
// its odds the marker closest to the top claims its column, else a bust
// loses the turn. Once a marker stands on a top square there is nothing more to claim.
double expert_player::push_on_value(const game_snapshot& s, int columns_to_win) const {
    if (topped_markers(s) > 0) return 0.0;
    const float odds = search->odds(s);
    game_snapshot q = s;
    snapshot_marker* closest = nullptr;
    double least = 1e9;
    for (auto& m : q.markers) {
        if (m.column == 0) break;
        const double cost = (height_of(m.column) - m.position) / column_chance(m.column);
        if (cost < least) {
            least = cost;
            closest = &m;
        }
    }
    closest->position = height_of(closest->column);
    const double busted = race_after(s, false, columns_to_win, parameters.race).win_chance;
    return odds * race_after(q, true, columns_to_win, parameters.race).win_chance + (1.0 - odds) * busted;
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
    r.win_if_stop = banked.win_chance;
    r.win_if_roll = roll_on_value(s, columns_to_win);
    if (parameters.push && s.markers[0].column != 0)
        r.win_if_roll = std::max(r.win_if_roll, push_on_value(s, columns_to_win));
    double nearest = 1.0;
    for (int seat = 0; seat < s.seats; ++seat) {
        const double turns = banked.turns_to_win[std::size_t(seat)];
        if (seat != s.current_player && turns <= nearest) {
            nearest = turns;
            r.threatening_seat = seat;
        }
    }
    if (s.markers[0].column == 0) return r;  // nothing at risk before the turn's first move
    r.banking_wins = claimed_columns(s) + topped_markers(s) >= columns_to_win;
    if (r.banking_wins) {
        r.stop = true;
    } else if (r.bust_chance == 0.0) {
        r.stop = false;  // a roll that cannot bust only adds
    } else {
        r.stop = !(r.win_if_roll > r.win_if_stop * (1.0 - parameters.boldness));
    }
    return r;
}

int expert_player::wants_to_stop() {
    return weigh(game_snapshot::take(), vl_game::instance()->columns_to_win()).stop ? 1 : 0;
}

int expert_player::best_move(const game_snapshot& s, int columns_to_win) {
    if (!parameters.race_moves) return search->best_choice(s);
    if (s.choice_count == 1) return 0;
    game_snapshot q = s;
    int best = 0;
    double best_value = -1.0;
    for (int i = 0; i < q.choice_count; ++i) {
        q.make_move(i);
        const double stop = race_after(q, true, columns_to_win, parameters.race).win_chance;
        const double value = std::max(stop, roll_on_value(q, columns_to_win));
        q.unmake_move(i);
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
