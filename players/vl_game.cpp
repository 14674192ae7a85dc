#include "players/vl_game.h"

#include <cstdio>
#include <cstdlib>

#include "players/game_player.h"
#include "players/game_ui.h"

namespace {
vl_game* live_view = nullptr;
}

void prompt_for_enter() {
    std::fputs("Hit Enter to continue:", stdout);
    std::fflush(stdout);
    char line[80];  // at most 79 characters are taken
    if (std::fgets(line, sizeof line, stdin) == nullptr) return;
}

void fatal_exit() {
    // Leave at once: the engine that called us is still on the stack, so its
    // static destruction must not run.
    std::fflush(nullptr);
    std::_Exit(1);
}

vl_game::vl_game() {
    if (live_view != nullptr) {
        std::fputs("Error - attempt to create second vl_game object\n", stdout);
        prompt_for_enter();
        fatal_exit();
    }
    live_view = this;
    int column = 2;
    for (int d = 5; d >= -5; --d) heights[column++] = 13 - 2 * std::abs(d);
}

vl_game::~vl_game() {
    if (live_view == this) live_view = nullptr;
}

vl_game* vl_game::instance() {
    if (live_view == nullptr) {
        std::fputs("Error - vl_game must be created before using instance().\n", stdout);
        prompt_for_enter();
        fatal_exit();
    }
    return live_view;
}

void vl_game::set_players(game_player** players, int count) {
    players_ = players;
    count_ = count;
    if (count > 5) {
        std::printf("Error - too many players: %d.\n", count);
        if (ui_ != nullptr) ui_->wait_for_enter();
        fatal_exit();
    }
}

bool vl_game::is_column_claimed(int column) {
    const int h = column_height(column);
    for (int i = 0; i < player_count(); ++i)
        if (progress(i, column) == h) return true;
    for (int index = 0; index < 3; ++index) {
        const int c = marker_column(index);
        if (c == 0) return false;
        if (c == column && marker_position(index) == h) return true;
    }
    return false;
}

bool vl_game::current_player_is_interactive() { return players_[current_player()]->is_interactive(); }
