#include "shell/main_window_proc.h"

#include "engine/game_engine.h"
#include "engine/game_settings.h"
#include "shell/shell_values.h"
#include "shell/window_messages.h"

namespace shell {

namespace {

constexpr proc_result handled{};
constexpr proc_result pass_on{true, 0};

// While a game runs, both confirmations ask the same question first.
bool confirmed(game_engine& engine, const char* caption) {
    if (engine.game_state != playing) return true;
    return engine.window->message_box(quit_prompt, caption, platform::buttons::ok_cancel,
                                      platform::icon::question) == platform::answer::ok;
}

void new_game_command(game_engine& engine) {
    if (!confirmed(engine, "Confirm Restart")) return;
    engine.window->run_dialog(platform::dialog_template::setup);
    const game_settings& s = settings();
    engine.new_game(s.setup_player_count, std::uint32_t(s.setup_columns_to_win));
}

void quit_request(game_engine& engine) {
    if (confirmed(engine, "Confirm Quit")) engine.window->post_quit(0);
}

proc_result on_char(game_engine& engine, std::uintptr_t ch) {
    if (engine.game_state == no_game) return pass_on;
    if (ch >= '1' && ch <= '9') {
        engine.handle_digit(int(ch - '0'));
    } else if (ch == '\r' || ch == ' ') {
        engine.handle_enter();
    } else if (ch == 'R' || ch == 'r') {
        engine.request_roll();
    } else if (ch == 'S' || ch == 's') {
        engine.handle_stop_key();
    } else {
        return pass_on;
    }
    return handled;
}

void on_command(game_engine& engine, std::uint32_t command) {
    switch (command) {
        case msg::cmd_new_game:
            new_game_command(engine);
            break;
        case msg::cmd_exit:
            quit_request(engine);
            break;
        case msg::cmd_about:
            engine.window->run_dialog(platform::dialog_template::about);
            break;
        default:
            break;
    }
}

}  // namespace

proc_result main_window_proc(game_engine& engine, std::uint32_t message, std::uintptr_t wparam,
                             std::intptr_t lparam) {
    switch (message) {
        case msg::wm_paint:
            engine.paint_all();
            return handled;
        case msg::wm_char:
            return on_char(engine, wparam);
        case msg::wm_lbuttondown:
        case msg::wm_rbuttondown:
            engine.handle_click(int(lparam & 0xffff), int((lparam >> 16) & 0xffff));
            return handled;
        case msg::wm_command:
            on_command(engine, std::uint32_t(wparam & 0xffff));
            return handled;
        case msg::wm_syscommand:
            // The low four bits are the system's own.
            if ((wparam & 0xfff0) != msg::sc_close) return pass_on;
            quit_request(engine);
            return handled;
        case msg::wm_destroy:
            // The program never destroys its window itself; if something else
            // does, the run ends rather than leaving a loop with no window.
            if (engine.window) engine.window->post_quit(0);
            return handled;
        default:
            return pass_on;
    }
}

}  // namespace shell
