#include "platform/win32/win32_desktop.h"

#include <cstdio>
#include <string>

#include "platform/win32/main_window_proc.h"
#include "resources/zarvelin_rc.h"
#include "shell/shell_values.h"

namespace win32 {

namespace {

constexpr const char* window_class_name = "ZarvelinWindowClass";
constexpr int client_width = 528, client_height = 430;

}  // namespace

BOOL CALLBACK find_running_instance(HWND window, LPARAM found) {
    if (GetWindowLongPtrA(window, GWLP_USERDATA) != instance_marker) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

bool win32_desktop::raise_running_copy() {
    HWND running = nullptr;
    EnumWindows(find_running_instance, reinterpret_cast<LPARAM>(&running));
    if (!running) return false;
    ShowWindow(running, SW_SHOWNORMAL);
    SetForegroundWindow(running);
    return true;
}

bool win32_desktop::read_screen_size(int& width, int& height) {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    return width > 0 && height > 0;
}

std::string win32_desktop::load_quit_prompt() {
    char text[2048] = "";
    LoadStringA(instance_, IDS_QUIT_PROMPT, text, sizeof text);
    return text;
}

bool win32_desktop::load_accelerators() {
    accelerators_ = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    return accelerators_ != nullptr;
}

devices win32_desktop::engine_devices() { return {&graphics_, &sound_, &clock_}; }

bool win32_desktop::register_window_class() {
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_BYTEALIGNCLIENT;
    wc.lpfnWndProc = main_window_proc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_ZARVELIN));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // Erasing paints the board view's background colour.
    wc.hbrBackground = reinterpret_cast<HBRUSH>(engine_.drawing_objects().background.handle);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    wc.lpszClassName = window_class_name;
    return RegisterClassA(&wc) != 0;
}

platform::window* win32_desktop::create_main_window() {
    const int width = client_width + 2 * GetSystemMetrics(SM_CXEDGE);
    const int height = client_height + 2 * GetSystemMetrics(SM_CYEDGE) + GetSystemMetrics(SM_CYCAPTION) +
                       GetSystemMetrics(SM_CYMENU);
    const int left = (shell::screen_width - width) / 2;
    const int top = (shell::screen_height - height) / 2;
    HWND handle = CreateWindowExA(0, window_class_name, "Zarvelin", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  left, top, width, height, nullptr, nullptr, instance_, nullptr);
    if (!handle) return nullptr;
    services_.emplace(handle);
    additions_.emplace(engine_, *services_, sound_);
    route_through(&*additions_);
    window_.emplace(instance_, handle);
    return &program_window_.emplace(*window_, *additions_);
}

void win32_desktop::mark_running_instance() {
    SetWindowLongPtrA(window_->handle(), GWLP_USERDATA, instance_marker);
}

bool win32_desktop::has_menu() { return GetMenu(window_->handle()) != nullptr; }

void win32_desktop::show_main_window() { ShowWindow(window_->handle(), SW_SHOWNORMAL); }

// Mouse buttons and typed keys on the board; F1, F2, F3 and the system keys
// (Alt+F4, the menu) are commands, not moves.
bool is_game_input(const MSG& m) {
    switch (m.message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_CHAR:
            return true;
        case WM_KEYDOWN:
        case WM_KEYUP:
            return m.wParam != VK_F1 && m.wParam != VK_F2 && m.wParam != VK_F3;
        default:
            return false;
    }
}

void win32_desktop::dispatch(MSG& message) {
    // Input made while the program was busy (a roll's animation, the bust
    // notice, a computer's step) is dropped rather than taken as a move later.
    const bool game_input = message.hwnd == window_->handle() && is_game_input(message);
    if (game_input && LONG(message.time - busy_until_) <= 0) return;
    if (!TranslateAcceleratorA(window_->handle(), accelerators_, &message)) TranslateMessage(&message);
    DispatchMessageA(&message);
    // The messages that reach the engine; a key's WM_KEYDOWN only makes its WM_CHAR.
    const bool move =
        message.message == WM_CHAR || message.message == WM_LBUTTONDOWN || message.message == WM_RBUTTONDOWN;
    if (game_input && move) busy_until_ = GetTickCount();
}

int win32_desktop::run_message_loop(game_engine& engine) {
    MSG message;
    busy_until_ = GetTickCount();
    for (;;) {
        if (engine.computer_step_due()) {
            // Between two of a quick computer's steps the window is served as
            // usual: paints, menus, the close box; then the next step.
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) return int(message.wParam);
                dispatch(message);
            }
            if (engine.run_computer_step()) busy_until_ = GetTickCount();
            continue;
        }
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) return int(message.wParam);
        if (got < 0) return 0;
        dispatch(message);
    }
}

void win32_desktop::show_error(std::string_view text) {
    const std::string text_z(text);
    std::fprintf(stderr, "zarvelin: %s\n", text_z.c_str());
    MessageBoxA(nullptr, text_z.c_str(), "Error", MB_OK);
}

}  // namespace win32
