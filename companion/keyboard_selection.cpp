#include "companion/keyboard_selection.h"

#include <algorithm>

#include "engine/game_engine.h"
#include "engine/game_settings.h"

namespace companion {

bool keyboard_selection::move(game_engine& engine, bool up) {
    if (engine.game_state != playing || engine.phase != choosing ||
        !settings().seat_is_human[engine.current_player] || engine.choices.empty()) {
        return false;
    }
    // The boxes stand in the order of the choices from the top down.
    const int count = int(engine.choices.size());
    if (selected_ < 0 || selected_ >= count)
        selected_ = up ? count - 1 : 0;
    else
        selected_ = up ? std::max(0, selected_ - 1) : std::min(count - 1, selected_ + 1);
    engine.paint_status_panel();
    repaint(engine);
    return true;
}

bool keyboard_selection::take(game_engine& engine) {
    if (!active(engine)) return false;
    const auto index = std::size_t(selected_);
    forget();
    engine.apply_choice(index);
    return true;
}

void keyboard_selection::repaint(game_engine& engine) const {
    if (!active(engine)) return;
    // Two pixels in the text's colour just inside the box's own frame: a frame
    // in the box's green would hardly show beside it.
    const platform::rect box = engine.button_rects[std::size_t(selected_)];
    auto dc = engine.window->get_canvas();
    for (int inset = 1; inset <= 2; ++inset) {
        dc->frame_rect({box.left + inset, box.top + inset, box.right - inset, box.bottom - inset},
                       engine.drawing_objects().white);
    }
}

bool keyboard_selection::active(const game_engine& engine) const {
    return selected_ >= 0 && engine.game_state == playing && engine.phase == choosing &&
           settings().seat_is_human[engine.current_player] && selected_ < int(engine.choices.size());
}

}  // namespace companion
