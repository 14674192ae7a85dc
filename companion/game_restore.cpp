#include "companion/game_restore.h"

#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "players/engine_game_view.h"
#include "strategy/s5_player.h"

namespace companion {

saved_game capture_game(const game_engine& engine, const std::array<std::uint32_t, 4>& turns,
                        std::uint32_t made_for) {
    const game_settings& s = settings();
    saved_game g;
    for (std::uint32_t seat = 0; seat < engine.player_count; ++seat) {
        const bool human = s.seat_is_human[seat];
        g.seats.push_back({human, human ? "" : standard_level, s.player_names[seat]});
    }
    g.computer_pace = s.computer_pace;
    g.columns_to_win = engine.columns_to_win;
    g.players_made_for = made_for;
    g.current_player = engine.current_player;
    g.rolls_this_turn = engine.rolls_this_turn;
    g.phase = engine.phase;
    g.dice = engine.dice;
    g.markers = engine.markers;
    g.progress = engine.progress;
    g.turns = turns;
    g.dice_state = engine.dice_state();
    return g;
}

std::uint32_t players_made_for(const game_engine& engine) {
    if (engine.view->player_count() == 0) return engine.columns_to_win;
    const auto* first = dynamic_cast<const s5_player*>(engine.view->player(0));
    if (!first) return engine.columns_to_win;
    // The player's threshold as its constructor works it out, for each number of columns there can be.
    for (int columns = 1; columns <= 11; ++columns)
        if (float((columns - 3) * 0.1 + 0.2) == first->parameter()) return std::uint32_t(columns);
    return engine.columns_to_win;
}

bool restore_game(game_engine& engine, const saved_game& g, std::string& why) {
    game_settings& s = settings();
    const auto seats = std::uint32_t(g.seats.size());
    s.setup_player_count = seats;
    s.setup_columns_to_win = std::int32_t(g.columns_to_win);
    s.computer_pace = g.computer_pace;
    for (std::uint32_t seat = 0; seat < seats; ++seat) {
        s.seat_is_human[seat] = g.seats[seat].human;
        s.player_names[seat] = g.seats[seat].name;
    }

    // A new game of the saved seats, quietly: nobody is told of a turn that
    // starts, and nothing is painted until the position is in place. The
    // players are made anew, for the columns they were made for in the saved
    // game's run, so that they decide as they would have.
    game_observer* const observer = engine.observer;
    platform::window* const window = engine.window;
    engine.observer = nullptr;
    engine.window = nullptr;
    engine.view->set_players(nullptr, 0);
    engine.new_game(seats, g.players_made_for);
    engine.columns_to_win = g.columns_to_win;
    engine.progress = g.progress;
    engine.markers = g.markers;
    engine.dice = g.dice;
    engine.current_player = g.current_player;
    engine.rolls_this_turn = g.rolls_this_turn;
    engine.phase = g.phase;
    engine.seed_dice(g.dice_state);
    // The choices a roll offered are the rules' answer to the dice and the
    // markers; out of that phase nothing reads them.
    if (g.phase == choosing) engine.find_choices();
    engine.observer = observer;
    engine.window = window;
    if (g.phase == choosing && engine.choices.empty()) {
        engine.game_state = no_game;
        why = "a choice is awaited where the dice offer none";
        return false;
    }
    if (engine.window) engine.window->invalidate_and_update();
    return true;
}

}  // namespace companion
