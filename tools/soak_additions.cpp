#include "tools/soak_additions.h"

#include <algorithm>
#include <tuple>

#include "companion/additions.h"
#include "companion/companion_messages.h"
#include "companion/hint.h"
#include "engine/game_engine.h"
#include "platform/null_canvas.h"
#include "shell/window_messages.h"

namespace {

// Everything a hint might disturb.
auto position(const game_engine& e) {
    return std::make_tuple(e.game_state, e.current_player, e.phase, e.rolls_this_turn, e.dice, e.markers,
                           e.progress, e.choices);
}

}  // namespace

std::string deliver_addition_input(soak_random& random, game_engine& engine,
                                   companion::additions& additions) {
    namespace cmsg = companion::msg;
    const std::uint32_t r = random.below(100);
    if (r < 40) {
        const auto before = position(engine);
        additions.window_proc(msg::wm_command, cmsg::cmd_hint, 0);
        if (position(engine) != before) return "asking for a hint changed the game";
    } else if (r < 85) {
        additions.window_proc(cmsg::wm_keydown, random.chance(500) ? cmsg::vk_up : cmsg::vk_down, 0);
    } else if (r < 91) {
        additions.window_proc(msg::wm_command, cmsg::cmd_sound, 0);
    } else if (r < 93) {
        additions.window_proc(msg::wm_command, cmsg::cmd_score_sheet, 0);
    } else if (r < 95) {
        additions.window_proc(msg::wm_command, cmsg::cmd_records, 0);
    } else if (r < 97) {
        // The Game menu: a level, or taking turns to start, for the next game.
        const std::uint32_t item = cmsg::cmd_level_easy + random.below(4);
        additions.window_proc(msg::wm_command, item, 0);
    } else {
        additions.window_proc(msg::wm_command, cmsg::cmd_how_to_play, 0);
    }
    return {};
}

void soak_services::sheet_changed() {
    if (!sheet) return;
    platform::null_canvas nothing;
    sheet->paint(nothing, std::max(0, sheet->scrolled_height() - sheet->scroll_step()));
}

bool is_addition_box(const std::string& caption) {
    return caption == "Hint" || caption == "How to Play" || caption == "Records";
}

std::string check_addition_box(const game_engine& engine, const std::string& caption) {
    if (caption == "Hint" && !companion::hint_available(engine)) return "a hint shown when none may be asked";
    // The records' box speaks only of a damaged file, which the soak never makes.
    if (caption == "Records") return "a records file was found damaged";
    return {};
}
