#include "engine/game_engine.h"

#include "players/engine_game_view.h"

game_engine::game_engine() {
    view = std::make_unique<engine_game_view>();
    view->attach_engine(this);
}

game_engine::~game_engine() {
    free_progress();
    view.reset();
}

void game_engine::allocate_progress(std::uint32_t players) { progress.assign(players, {}); }

void game_engine::free_progress() { progress.clear(); }

void game_engine::new_game(std::uint32_t players, std::uint32_t target) {
    // Release first: the rows belong to the player count still in force.
    free_progress();
    columns_to_win = target;
    player_count = players;
    // The strategy players read columns_to_win while they are created.
    view->create_players(int(players));
    dice = {};
    markers = {};
    choices.clear();
    allocate_progress(players);
    game_state = playing;
    phase = roll_or_stop;
    // The one place the rotating start joins; without it, seat 0 as described.
    current_player = start_choice ? start_choice->first_seat(players) : 0;
    rolls_this_turn = 0;
    if (observer) observer->turn_started();
    if (window) window->invalidate_and_update();
}
