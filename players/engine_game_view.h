// The view bound to the engine: answers every query from the engine's state
// at the moment of the call, creates the players, and passes the engine's two
// questions of a computer turn on to the current seat's player.
#pragma once

#include <memory>
#include <vector>

#include "players/game_player.h"
#include "players/seat_player_maker.h"
#include "players/vl_game.h"

class game_engine;

class engine_game_view final : public vl_game {
public:
    engine_game_view();
    ~engine_game_view() override;

    void attach_engine(game_engine* e) { engine = e; }
    // One strategy player per seat, made at the first game and again whenever a
    // game has another number of seats; kept while the number stays the same.
    void create_players(int count);
    int should_stop();
    int choose();
    // The strategy player of a seat of the game.
    using vl_game::player;

    int current_player_progress(int column) override;
    int progress(int player, int column) override;
    int marker_column(int index) override;
    int marker_position(int index) override;
    int player_count() override;
    int current_player() override;
    int columns_to_win() override;
    int die(int index) override;

    game_engine* engine = nullptr;
    // Set by the computer's levels (companion/computer_levels.h); unset, every
    // seat gets the described player.
    seat_player_maker* player_maker = nullptr;

private:
    std::unique_ptr<game_ui> ui_owned;
    std::vector<std::unique_ptr<game_player>> players_owned;
    std::vector<game_player*> seats;
};
