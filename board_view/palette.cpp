// The board's colours and drawing objects, made once at start-up.
#include "board_view/layout.h"
#include "engine/game_engine.h"

void game_engine::create_drawing_objects() {
    auto& g = *devices_.graphics;
    auto colours = layout::colours;
    if (g.screen_bits_per_pixel() < 16)
        for (int i = 0; i < layout::colours_matched_on_palette_screens; ++i)
            colours[i] = g.nearest_colour(colours[i]);
    palette_.background = g.make_brush(colours[layout::background]);
    palette_.board = g.make_brush(colours[layout::board]);
    palette_.white = g.make_brush(colours[layout::white]);
    palette_.black = g.make_brush(colours[layout::black]);
    palette_.highlight = g.make_brush(colours[layout::highlight]);
    for (int p = 0; p < 4; ++p) palette_.players[p] = g.make_brush(colours[layout::player_1 + p]);
    palette_.black_pen = g.make_pen(colours[layout::black], 1);
}

void game_engine::delete_drawing_objects() {
    auto& g = *devices_.graphics;
    for (auto* b :
         {&palette_.background, &palette_.board, &palette_.white, &palette_.black, &palette_.highlight})
        g.delete_brush(*b);
    for (auto& b : palette_.players) g.delete_brush(b);
    g.delete_pen(palette_.black_pen);
}
