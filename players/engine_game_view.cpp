#include "players/engine_game_view.h"

#include "engine/game_engine.h"
#include "players/text_ui.h"
#include "strategy/s5_player.h"

engine_game_view::engine_game_view() : ui_owned(std::make_unique<text_ui>(false, false, false)) {
    set_ui(ui_owned.get());
}

// The players go first: they may still read the view while they are released.
engine_game_view::~engine_game_view() { players_owned.clear(); }

void engine_game_view::create_players(int count) {
    // The one place the computer's levels join: their maker may want other
    // players for the next game, and makes each seat's. Without it, as described.
    const bool wanted_anew = player_maker && player_maker->wants_new_players();
    if (count == player_count() && !wanted_anew) return;
    // Another number of seats than the last game's: the players are made anew,
    // exactly as for the first game of a run. The old ones go first, so the new
    // first player builds the shared table as the first player of a run does.
    set_players(nullptr, 0);
    seats.clear();
    players_owned.clear();
    for (int seat = 0; seat < count; ++seat) {
        players_owned.push_back(player_maker ? player_maker->make_player(seat)
                                             : std::make_unique<s5_player>());
        seats.push_back(players_owned.back().get());
    }
    set_players(seats.data(), count);
}

int engine_game_view::should_stop() {
    if (marker_column(0) == 0) return 0;
    return player(current_player())->wants_to_stop();
}

int engine_game_view::choose() {
    game_player* p = player(current_player());
    if (marker_column(0) == 0) p->begin_turn();
    return p->choose_column();
}

int engine_game_view::current_player_progress(int column) { return progress(current_player(), column); }
int engine_game_view::progress(int player, int column) { return int(engine->progress[player][column]); }
int engine_game_view::marker_column(int index) { return int(engine->markers[index].column); }
int engine_game_view::marker_position(int index) { return int(engine->markers[index].position); }
int engine_game_view::player_count() { return registered_count(); }
int engine_game_view::current_player() { return int(engine->current_player); }
int engine_game_view::columns_to_win() { return int(engine->columns_to_win); }
int engine_game_view::die(int index) { return engine->dice[index]; }
