// The read-only view of the one game in progress, through which players and
// the text front end see it without knowing the engine. Exactly one exists at
// a time; everybody reaches it through instance().
#pragma once

#include <array>

class game_ui;
class game_player;

class vl_game {
public:
    vl_game();
    virtual ~vl_game();
    vl_game(const vl_game&) = delete;
    vl_game& operator=(const vl_game&) = delete;

    virtual int current_player_progress(int column) = 0;
    virtual int progress(int player, int column) = 0;
    virtual int marker_column(int index) = 0;
    virtual int marker_position(int index) = 0;
    virtual int player_count() = 0;
    virtual int current_player() = 0;
    virtual int columns_to_win() = 0;
    virtual int die(int index) = 0;

    // The live view; fatal when there is none.
    static vl_game* instance();

    int column_height(int column) const { return heights[column]; }
    void set_ui(game_ui* u) { ui_ = u; }
    game_ui* ui() const { return ui_; }
    // Fatal above five seats, after storing both.
    void set_players(game_player** players, int count);
    // Some seat's progress, or a temporary marker, on the column's top square.
    bool is_column_claimed(int column);
    bool current_player_is_interactive();

protected:
    game_player* player(int seat) const { return players_[seat]; }
    int registered_count() const { return count_; }

private:
    game_ui* ui_ = nullptr;
    game_player** players_ = nullptr;
    int count_ = 0;
    std::array<int, 13> heights{};
};

// The framework's way out: every error it meets ends the process with status 1.
// Writes "Hit Enter to continue:" and discards one line of standard input.
void prompt_for_enter();
[[noreturn]] void fatal_exit();
