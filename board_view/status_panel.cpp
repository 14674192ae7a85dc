// The panel in the lower right corner: Roll and Stop, or the choice boxes, the
// status line and the active player. Painting it hands over to a quick computer.
#include <string>

#include "board_view/layout.h"
#include "engine/game_engine.h"
#include "engine/game_settings.h"

namespace {

constexpr unsigned centred = platform::text_single_line | platform::text_centre | platform::text_vcentre;

const char* computer_status() { return settings().computer_pace == 1 ? "Thinking..." : "Click To Go"; }

}  // namespace

void game_engine::paint_status_panel() {
    {
        auto dc = get_canvas();
        dc->fill_rect(layout::panel_area, palette_.background);
        const bool human = current_seat_is_human();
        if (phase == choosing) {
            dc->set_text_colour(palette_.white.rgb);
            dc->set_background_colour(palette_.background.rgb);
            const int n = int(choices.size());
            int i = n;
            for (auto it = choices.rbegin(); it != choices.rend(); ++it) {
                const auto box = layout::choice_box(--i, n);
                dc->frame_rect(box, palette_.highlight);
                button_rects[i] = box;
                dc->draw_text(caption(*it), box, centred);
            }
            const char* heading = !human ? computer_status() : n <= 1 ? "Only Choice:" : "Select One:";
            dc->draw_text(heading, layout::choices_heading(n), centred);
        } else {
            dc->select_brush(palette_.highlight);
            dc->select_pen(palette_.black_pen);
            dc->rectangle(layout::base_box);
            dc->set_text_colour(palette_.black.rgb);
            dc->set_background_colour(palette_.highlight.rgb);
            dc->draw_text("Roll", layout::base_box, centred);
            button_rects[0] = layout::base_box;
            const bool with_stop = rolls_this_turn > 0;
            if (with_stop) {
                dc->select_brush(palette_.board);
                dc->select_pen(palette_.black_pen);
                dc->rectangle(layout::stop_button);
                dc->set_text_colour(palette_.white.rgb);
                dc->set_background_colour(palette_.board.rgb);
                dc->draw_text("Stop", layout::stop_button, centred);
                button_rects[1] = layout::stop_button;
            }
            dc->set_text_colour(palette_.white.rgb);
            dc->set_background_colour(palette_.background.rgb);
            // Formed at the name's own length: no name can overflow it; the box clips what is too wide.
            const std::string status =
                human ? settings().player_names[current_player] + ":" : std::string(computer_status());
            dc->draw_text(status, layout::status_line(with_stop), centred);
        }
    }
    paint_active_player();
    // The step itself runs from whoever drives the program (run_computer_step),
    // so a chain of steps is a loop, not a recursion. A panel painted for anyone
    // else cancels a step still awaited for a seat no longer to move.
    panel_awaits_step = is_quick_computer_turn();
}

void game_engine::paint_active_player() {
    paint_player_square(int(current_player), layout::active_square.x, layout::active_square.y, 1, 1);
    auto dc = get_canvas();
    dc->set_text_colour(palette_.white.rgb);
    dc->set_background_colour(palette_.background.rgb);
    dc->draw_text("Active:", layout::active_label,
                  platform::text_single_line | platform::text_vcentre | platform::text_right);
}
