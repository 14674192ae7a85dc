// Where everything on the board stands: plain tables and integer arithmetic,
// kept apart from the drawing calls. Client area 528 by 430.
#pragma once

#include <array>

#include "engine/game_engine.h"
#include "platform/canvas.h"

namespace layout {

using platform::point;
using platform::rect;

enum colour_index { background, board, white, black, highlight, player_1, player_2, player_3, player_4 };
constexpr std::array<platform::colour, 9> colours{
    platform::rgb(100, 0, 100), platform::rgb(160, 0, 0),   platform::rgb(255, 255, 255),
    platform::rgb(0, 0, 0),     platform::rgb(0, 255, 0),   platform::rgb(0, 180, 0),
    platform::rgb(0, 0, 255),   platform::rgb(255, 255, 0), platform::rgb(230, 120, 0),
};
// Below 16 bits per pixel these go through the screen's nearest colours.
constexpr int colours_matched_on_palette_screens = 7;

constexpr int square = 25;

// Top-left corner of square k (1 = bottom) of a column.
constexpr point square_at(int column, int k) {
    const auto& row = column_table[column];
    return {row.left, row.top + (row.height - k) * (row.gap + square)};
}

constexpr std::array<point, 9> board_outline{
    {{133, 20}, {293, 20}, {406, 133}, {406, 293}, {293, 406}, {133, 406}, {20, 293}, {20, 133}, {133, 20}}};

struct caption_piece {
    point at;
    const char* text;
};
constexpr std::array<caption_piece, 8> board_caption{{{{29, 280}, "Z"},
                                                      {{63, 315}, "A"},
                                                      {{97, 348}, "R"},
                                                      {{131, 374}, "V"},
                                                      {{283, 374}, "E"},
                                                      {{317, 348}, "L"},
                                                      {{351, 315}, "I"},
                                                      {{385, 280}, "N"}}};

constexpr std::array<point, 3> marker_homes{{{20, 346}, {20, 381}, {55, 381}}};

constexpr int die_size = 38;
constexpr std::array<point, 4> dice_at{{{446, 30}, {446, 80}, {446, 130}, {446, 180}}};
constexpr int pip_size = 8;

// Pip offsets from a die's corner, in drawing order.
struct pips {
    std::array<point, 7> at;
    int count;
};
constexpr pips pips_for(int value) {
    pips p{};
    auto add = [&p](int a, int b) { p.at[p.count++] = {a, b}; };
    if (value % 2 == 1) add(15, 15);
    if (value >= 2) add(4, 4), add(26, 26);
    if (value >= 4) add(26, 4), add(4, 26);
    if (value == 6) add(15, 4), add(15, 26);
    return p;
}

// The k-th of n vertical slices of a square (k from 1); the last one takes the remainder.
constexpr std::array<int, 2> slice(int left, int k, int n) {
    if (n == 1) return {left, left + square};
    return {left + square * (k - 1) / n, k == n ? left + square : left + square * k / n};
}

constexpr rect inner_square(point p) { return {p.x + 3, p.y + 3, p.x + 22, p.y + 22}; }
constexpr rect label_text_box(point p) { return {p.x + 5, p.y + 4, p.x + 21, p.y + 21}; }

constexpr rect panel_area{418, 250, 528, 430};
constexpr rect base_box{418, 404, 522, 422};
constexpr int choice_pitch = 24;
constexpr rect stop_button = platform::offset(base_box, 0, -72);
constexpr rect sorry_line = platform::offset(base_box, 0, -20);
constexpr point active_square{378, 390};
constexpr rect active_label{323, 390, 373, 415};

// Box of choice i when n are listed: choice n - 1 sits in the base box.
constexpr rect choice_box(int i, int n) { return platform::offset(base_box, 0, -choice_pitch * (n - 1 - i)); }
// The heading stands 24 above the highest box, moved down 4.
constexpr rect choices_heading(int n) { return platform::offset(base_box, 0, -choice_pitch * n + 4); }
// The status line stands 22 above the highest button.
constexpr rect status_line(bool with_stop) {
    return platform::offset(with_stop ? stop_button : base_box, 0, -22);
}

}  // namespace layout
