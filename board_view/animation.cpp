// The roll's seven flickering frames with their clicks, and the bust notice.
#include "board_view/layout.h"
#include "engine/game_engine.h"

namespace {
constexpr int frames_per_roll = 7;
constexpr int frame_pause_ms = 10;
constexpr int sorry_ms = 1000;
}  // namespace

void game_engine::roll_dice_animated() {
    for (int frame = 1; frame <= frames_per_roll; ++frame) {
        if (frame > 1 && devices_.clock) devices_.clock->sleep(frame_pause_ms);
        for (auto& die : dice) die = random.die();
        paint_dice();
        if (devices_.sound) devices_.sound->play(platform::sound_id::click, true);
    }
    ++rolls_this_turn;
}

void game_engine::flash_sorry() {
    auto dc = get_canvas();
    paint_sorry_notice(*dc);
    // Held for a second with the context still taken, as the notice is meant to
    // block. The desktop still serves paint requests meanwhile; they show the notice.
    sorry_showing = true;
    if (devices_.clock) devices_.clock->sleep(sorry_ms);
    sorry_showing = false;
}

void game_engine::paint_sorry_notice(platform::canvas& dc) {
    dc.fill_rect(layout::panel_area, palette_.background);
    dc.set_text_colour(palette_.white.rgb);
    dc.set_background_colour(palette_.background.rgb);
    dc.draw_text("Sorry!", layout::sorry_line,
                 platform::text_single_line | platform::text_centre | platform::text_vcentre);
}
