// Painting the board, the players' progress, the markers and the dice straight
// into the window, each operation on a device context of its own.
#include <string>

#include "board_view/layout.h"
#include "engine/game_engine.h"

using platform::point;
using platform::rect;

std::unique_ptr<platform::canvas> game_engine::get_canvas() { return window->get_canvas(); }

void game_engine::paint_empty_square(int left, int top) {
    auto dc = get_canvas();
    dc->select_pen(palette_.black_pen);
    dc->select_brush(palette_.board);
    dc->rectangle({left, top, left + layout::square, top + layout::square});
}

void game_engine::erase_square(std::uint32_t column, std::uint32_t level) {
    const auto at = layout::square_at(int(column), int(level));
    paint_empty_square(at.x, at.y);
}

void game_engine::paint_column_label(int column, int left, int top) {
    auto dc = get_canvas();
    dc->select_pen(palette_.black_pen);
    dc->select_brush(palette_.board);
    dc->rectangle(layout::inner_square({left, top}));
    dc->set_text_colour(palette_.white.rgb);
    dc->set_background_colour(palette_.board.rgb);
    dc->draw_text(std::to_string(column), layout::label_text_box({left, top}),
                  platform::text_single_line | platform::text_centre | platform::text_vcentre);
}

void game_engine::paint_board() {
    {
        auto dc = get_canvas();
        dc->fill_polygon(layout::board_outline, palette_.board);
        auto outline = devices_.graphics->make_pen(palette_.white.rgb, 3);
        const auto previous = dc->select_pen(outline);
        dc->polyline(layout::board_outline);
        dc->select_pen(previous);
        devices_.graphics->delete_pen(outline);
    }
    for (int c = 2; c <= 12; ++c) {
        const auto top = layout::square_at(c, column_table[c].height);
        paint_empty_square(top.x, top.y);
        paint_column_label(c, top.x, top.y);
        for (int k = column_table[c].height - 1; k >= 1; --k) {
            const auto at = layout::square_at(c, k);
            paint_empty_square(at.x, at.y);
        }
    }
    auto dc = get_canvas();
    dc->select_pen(palette_.black_pen);
    dc->set_text_colour(palette_.white.rgb);
    dc->set_background_colour(palette_.board.rgb);
    for (const auto& piece : layout::board_caption) dc->text_out(piece.at, piece.text);
}

void game_engine::paint_player_square(int player, int left, int top, int k, int n) {
    const auto [from, to] = layout::slice(left, k, n);
    auto dc = get_canvas();
    dc->select_brush(palette_.players[player]);
    dc->rectangle({from, top, to, top + layout::square});
    dc->frame_rect(layout::inner_square({left, top}), palette_.black);
}

void game_engine::paint_column(int column) {
    if (column > 12) return;
    for (int level = column_table[column].height; level >= 1; --level) {
        int sharers = 0;
        for (const auto& row : progress) sharers += row[column] == std::uint32_t(level);
        if (sharers == 0) continue;
        const auto at = layout::square_at(column, level);
        int k = 0;
        for (std::uint32_t p = 0; p < progress.size(); ++p)
            if (progress[p][column] == std::uint32_t(level))
                paint_player_square(int(p), at.x, at.y, ++k, sharers);
    }
}

void game_engine::paint_all_columns() {
    for (int c = 2; c <= 12; ++c) paint_column(c);
}

void game_engine::paint_markers() {
    for (std::size_t m = 0; m < markers.size(); ++m) {
        point place = layout::marker_homes[m];
        if (markers[m].column != 0) {
            paint_empty_square(place.x, place.y);
            place = layout::square_at(int(markers[m].column), int(markers[m].position));
        }
        const auto [l, t] = place;
        auto dc = get_canvas();
        dc->select_brush(palette_.white);
        dc->select_pen(palette_.black_pen);
        dc->rectangle({l, t, l + 25, t + 25});
        dc->rectangle({l + 8, t + 8, l + 17, t + 17});
        const std::array<std::array<point, 2>, 4> spokes{{{{{l + 8, t + 8}, {l, t}}},
                                                          {{{l + 17, t + 8}, {l + 25, t}}},
                                                          {{{l + 8, t + 17}, {l, t + 25}}},
                                                          {{{l + 17, t + 17}, {l + 25, t + 25}}}}};
        for (const auto& [from, to] : spokes) {
            dc->move_to(from);
            dc->line_to(to);
        }
    }
}

void game_engine::paint_dice() {
    auto dc = get_canvas();
    for (std::size_t d = 0; d < dice.size(); ++d) {
        if (dice[d] == 0) continue;  // nothing rolled yet this game
        const auto [x, y] = layout::dice_at[d];
        dc->select_brush(palette_.board);
        dc->rectangle({x, y, x + layout::die_size, y + layout::die_size});
        dc->select_brush(palette_.white);
        paint_die_pips(*dc, {x, y}, dice[d]);
    }
}

void game_engine::paint_die_pips(platform::canvas& dc, point die, int value) {
    const auto pips = layout::pips_for(value);
    for (int i = 0; i < pips.count; ++i) {
        const auto [a, b] = pips.at[i];
        dc.ellipse({die.x + a, die.y + b, die.x + a + layout::pip_size, die.y + b + layout::pip_size});
    }
}

void game_engine::paint_all() {
    if (game_state == no_game) return;
    paint_board();
    paint_all_columns();
    paint_markers();
    paint_dice();
    // A repaint while the bust notice is held keeps the notice, not the panel
    // the notice has replaced.
    if (sorry_showing) {
        paint_sorry_notice(*get_canvas());
        paint_active_player();
        return;
    }
    paint_status_panel();
}
