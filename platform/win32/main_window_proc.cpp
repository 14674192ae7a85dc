#include "platform/win32/main_window_proc.h"

#include "shell/main_window_proc.h"
#include "shell/the_engine.h"
#include "shell/window_messages.h"

static_assert(msg::wm_paint == WM_PAINT && msg::wm_char == WM_CHAR && msg::wm_command == WM_COMMAND &&
              msg::wm_syscommand == WM_SYSCOMMAND && msg::wm_destroy == WM_DESTROY &&
              msg::wm_lbuttondown == WM_LBUTTONDOWN && msg::wm_rbuttondown == WM_RBUTTONDOWN &&
              msg::sc_close == SC_CLOSE);

namespace win32 {

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    game_engine& engine = shell::the_engine();
    // Until the engine has the window (messages of CreateWindowEx), the system handles everything.
    if (!engine.window) return DefWindowProcA(window, message, wparam, lparam);

    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        shell::main_window_proc(engine, message, wparam, lparam);
        EndPaint(window, &ps);
        return 0;
    }
    const shell::proc_result result = shell::main_window_proc(engine, message, wparam, lparam);
    return result.default_processing ? DefWindowProcA(window, message, wparam, lparam) : result.value;
}

}  // namespace win32
