// What the entry sequence asks of the desktop it starts on. Each step is one
// Windows call (or a handful) on Win32; the FLTK backend stands in for them on
// Linux, and a test fake records the order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/game_engine.h"
#include "platform/window.h"

namespace shell {

class desktop {
public:
    virtual ~desktop() = default;
    // True when a copy of the program already runs for this user; it has been
    // asked to show its window normally and come to the front.
    virtual bool raise_running_copy() = 0;
    // The screen size in pixels; false when there is no screen to run on.
    virtual bool read_screen_size(int& width, int& height) = 0;
    virtual std::string load_quit_prompt() = 0;
    virtual bool load_accelerators() = 0;
    // Graphics, sound and clock for the engine.
    virtual devices engine_devices() = 0;
    virtual bool register_window_class() = 0;
    // The main window, created hidden; null when it cannot be made.
    virtual platform::window* create_main_window() = 0;
    // Marks the window as the running copy, so a later copy can find it.
    virtual void mark_running_instance() = 0;
    virtual bool has_menu() = 0;
    virtual void show_main_window() = 0;
    // Addition: an unfinished game of an earlier run, taken up in place of the
    // first set-up dialog and new game; true when it is on the board.
    virtual bool resume_unfinished_game() { return false; }
    // Runs until post_quit; returns its exit code.
    virtual int run_message_loop(game_engine& engine) = 0;
    // A start-up failure: an "Error" box where one can be shown, standard error always.
    virtual void show_error(std::string_view text) = 0;
};

}  // namespace shell
