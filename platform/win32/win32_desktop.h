// The entry sequence's steps on Windows: the running-copy search, the window
// class and main window, the accelerators and the message loop.
#pragma once

#include <windows.h>

#include <optional>

#include "companion/additions.h"
#include "companion/program_window.h"
#include "platform/win32/desktop_services.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_graphics.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_window.h"
#include "shell/desktop.h"

namespace win32 {

// The value in a main window's user-data word that marks it as a running copy.
constexpr LONG_PTR instance_marker = LONG_PTR(0xDC7ADC7AU);

// EnumWindows callback: stops at, and stores, the first window carrying the marker.
BOOL CALLBACK find_running_instance(HWND window, LPARAM found);

class win32_desktop final : public shell::desktop {
public:
    win32_desktop(HINSTANCE instance, game_engine& engine) : instance_(instance), engine_(engine) {}

    bool raise_running_copy() override;
    bool read_screen_size(int& width, int& height) override;
    std::string load_quit_prompt() override;
    bool load_accelerators() override;
    devices engine_devices() override;
    bool register_window_class() override;
    platform::window* create_main_window() override;
    void mark_running_instance() override;
    bool has_menu() override;
    void show_main_window() override;
    bool resume_unfinished_game() override { return additions_->resume_unfinished_game(); }
    int run_message_loop(game_engine& engine) override;
    void show_error(std::string_view text) override;

private:
    void dispatch(MSG& message);

    HINSTANCE instance_;
    game_engine& engine_;
    HACCEL accelerators_ = nullptr;
    win32_graphics graphics_;
    win32_sound sound_;
    win32_clock clock_;
    std::optional<win32_window> window_;
    std::optional<desktop_services> services_;
    std::optional<companion::additions> additions_;
    std::optional<companion::program_window> program_window_;
    // The tick count at which the program last came back from a move or a computer's
    // step: board input made before it was made while the program was busy.
    DWORD busy_until_ = 0;
};

}  // namespace win32
