// The strategy's own plain copy of the game, taken afresh for every question,
// with its statement of the move rules and the one-roll measures.
#pragma once

#include <array>

#include "engine/choice.h"

struct snapshot_marker {
    int column = 0;  // 0: the slot is free
    int position = 0;
    friend bool operator==(const snapshot_marker&, const snapshot_marker&) = default;
};

struct game_snapshot {
    int current_player = 0;
    std::array<int, 4> dice{};
    int progress[5][13] = {};
    std::array<snapshot_marker, 3> markers{};
    std::array<int, 13> partner{};
    std::array<choice, 6> choices{};
    int choice_count = 0;
    // Seats registered when the snapshot was taken; rows below it are filled.
    int seats = 0;

    // Reads the game through the view.
    static game_snapshot take();

    void list_choices(const std::array<int, 4>& four_dice);
    bool is_column_claimed(int column) const;
    int marker_slot(int column) const;
    void make_move(int index);
    void unmake_move(int index);
    int own_progress(int column) const { return progress[current_player][column]; }
};

// list_choices for the many rolls asked of one position: what the rules look
// up per column (closed, the marker slot it would take, whether a double still
// fits below the top) is read once. Valid while the position's markers and
// progress stay as they were (a move made and unmade is fine).
class choice_lister {
public:
    explicit choice_lister(const game_snapshot& s);
    void list(game_snapshot& s, const std::array<int, 4>& four_dice) const;

private:
    std::array<bool, 13> closed{};
    std::array<int, 13> slot{};  // as marker_slot: 3 when no marker is left for the column
    std::array<bool, 13> double_fits{};
};

// The fixed column heights of the board, the same as the view's table.
constexpr int height_of(int column) { return 13 - 2 * (column > 7 ? column - 7 : 7 - column); }

// The columns the current player has claimed, and the temporary markers on
// the top square of their column (slots in order, up to the first free one).
int claimed_columns(const game_snapshot& s);
int topped_markers(const game_snapshot& s);

double turn_progress(const game_snapshot& s);
double greedy_gain(const game_snapshot& s);
// The greedy gain, or once the sum shows it above `bound`, a figure above
// `bound` short of it: enough for a stop rule's comparison, read sooner.
double greedy_gain_until(const game_snapshot& s, double bound);
