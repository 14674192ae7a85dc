#include "platform/win32/main_window_proc.h"

#include "companion/additions.h"
#include "companion/companion_messages.h"
#include "resources/zarvelin_rc.h"
#include "shell/main_window_proc.h"
#include "shell/the_engine.h"
#include "shell/window_messages.h"

static_assert(msg::wm_paint == WM_PAINT && msg::wm_char == WM_CHAR && msg::wm_command == WM_COMMAND &&
              msg::wm_syscommand == WM_SYSCOMMAND && msg::wm_destroy == WM_DESTROY &&
              msg::wm_lbuttondown == WM_LBUTTONDOWN && msg::wm_rbuttondown == WM_RBUTTONDOWN &&
              msg::sc_close == SC_CLOSE);
static_assert(companion::msg::wm_keydown == WM_KEYDOWN && companion::msg::vk_up == VK_UP &&
              companion::msg::vk_down == VK_DOWN && companion::msg::cmd_how_to_play == IDM_HOW_TO_PLAY &&
              companion::msg::cmd_hint == IDM_HINT && companion::msg::cmd_records == IDM_RECORDS &&
              companion::msg::cmd_sound == IDM_SOUND);
static_assert(companion::msg::cmd_level_easy == IDM_LEVEL_EASY &&
              companion::msg::cmd_level_standard == IDM_LEVEL_STANDARD &&
              companion::msg::cmd_level_expert == IDM_LEVEL_EXPERT &&
              companion::msg::cmd_take_turns_starting == IDM_TAKE_TURNS_STARTING);

namespace win32 {

namespace {
companion::additions* additions_ = nullptr;

shell::proc_result route(game_engine& engine, UINT message, WPARAM wparam, LPARAM lparam) {
    if (additions_) return additions_->window_proc(message, wparam, lparam);
    return shell::main_window_proc(engine, message, wparam, lparam);
}
}  // namespace

void route_through(companion::additions* additions) { additions_ = additions; }

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    game_engine& engine = shell::the_engine();
    // Until the engine has the window (messages of CreateWindowEx), the system handles everything.
    if (!engine.window) return DefWindowProcA(window, message, wparam, lparam);

    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        route(engine, message, wparam, lparam);
        EndPaint(window, &ps);
        return 0;
    }
    const shell::proc_result result = route(engine, message, wparam, lparam);
    return result.default_processing ? DefWindowProcA(window, message, wparam, lparam) : result.value;
}

}  // namespace win32
