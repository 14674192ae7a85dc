#include "shell/program.h"

#include <ctime>

#include "engine/game_settings.h"
#include "shell/shell_values.h"

namespace shell {

namespace {

int fail(desktop& d, std::string_view text) {
    d.show_error(text);
    return exit_start_failed;
}

}  // namespace

int run_program(desktop& d, game_engine& engine) {
    // A second copy only brings the first to the front; it creates nothing.
    if (d.raise_running_copy()) return 0;

    if (!d.read_screen_size(screen_width, screen_height)) return fail(d, "Cannot open the display");

    game_settings& s = settings();
    for (int i = 0; i < 4; ++i) s.player_names[i] = "Player " + std::to_string(i + 1);

    engine.seed_dice(std::uint32_t(std::time(nullptr)));
    quit_prompt = d.load_quit_prompt();
    if (!d.load_accelerators()) return fail(d, "Cannot LoadAccelerators");

    engine.set_devices(d.engine_devices());
    engine.create_drawing_objects();

    if (!d.register_window_class()) return fail(d, "Cannot RegisterClass");
    platform::window* window = d.create_main_window();
    if (!window) return fail(d, "Can't CreateWindow");
    d.mark_running_instance();
    if (!d.has_menu()) return fail(d, "Can't GetMenu");
    d.show_main_window();
    engine.set_window(window);

    // Addition: an unfinished game saved by an earlier run may be taken up instead.
    if (!d.resume_unfinished_game()) {
        window->run_dialog(platform::dialog_template::setup);
        engine.new_game(s.setup_player_count, std::uint32_t(s.setup_columns_to_win));
    }

    int exit_code = d.run_message_loop(engine);
    engine.delete_drawing_objects();
    return exit_code;
}

}  // namespace shell
