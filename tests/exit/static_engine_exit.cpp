// The desktop programs hold their engine in a static object, built before
// anything the strategy makes on first use and destroyed after it. This plays
// a whole game between computers that way and returns: run under valgrind, the
// end of the program must touch nothing already destroyed.
#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"

namespace {
headless::headless_window window(false);
headless::headless_graphics graphics;
headless::headless_sound sound(false);
headless::virtual_clock pauses(false);
game_engine engine;
}  // namespace

int main() {
    settings().player_names = {"Player 1", "Player 2", "Player 3", "Player 4"};
    engine.set_devices({&graphics, &sound, &pauses});
    engine.create_drawing_objects();
    engine.set_window(&window);
    window.on_paint = [] { engine.paint_all(); };
    window.answerer = [](const headless::message_box_call&) { return platform::answer::no; };
    engine.seed_dice(5);
    engine.new_game(2, 3);
    engine.run_computer_steps();
    engine.delete_drawing_objects();
    return window.quit_posted ? 0 : 1;
}
