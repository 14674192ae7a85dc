// A view whose game is whatever the test writes into it.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "players/game_player.h"
#include "players/vl_game.h"

class fake_game_view : public vl_game {
public:
    int seat = 0;
    int seats = 0;
    int target = 3;
    std::array<int, 4> dice{};
    int progress_of[5][13] = {};
    std::array<std::array<int, 2>, 3> markers{};  // {column, position}

    int current_player_progress(int column) override { return progress(seat, column); }
    int progress(int player, int column) override { return progress_of[player][column]; }
    int marker_column(int index) override { return markers[index][0]; }
    int marker_position(int index) override { return markers[index][1]; }
    int player_count() override { return seats; }
    int current_player() override { return seat; }
    int columns_to_win() override { return target; }
    int die(int index) override { return dice[index]; }

    // Registers `n` players, interactive or not, as the seats.
    void register_players(int n, bool interactive = false) {
        owned.clear();
        pointers.clear();
        for (int i = 0; i < n; ++i) owned.push_back(std::make_unique<scripted_player>(interactive));
        for (auto& p : owned) pointers.push_back(p.get());
        seats = n;
        set_players(pointers.data(), n);
    }

private:
    struct scripted_player : game_player {
        explicit scripted_player(bool interactive) : interactive(interactive) {}
        int wants_to_stop() override { return 1; }
        int choose_column() override { return 0; }
        bool is_interactive() override { return interactive; }
        bool interactive;
    };
    std::vector<std::unique_ptr<game_player>> owned;
    std::vector<game_player*> pointers;
};
