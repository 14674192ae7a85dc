// The main window's procedure: the routing of the program's window messages to
// the engine, the menu's commands and the two confirmations.
#pragma once

#include <cstdint>

class game_engine;

namespace shell {

struct proc_result {
    // True when the message goes on to the system's default processing
    // (DefWindowProc on Windows; the toolkit's own handling elsewhere).
    bool default_processing = false;
    std::intptr_t value = 0;
};

// Message boxes and dialogs go through engine.window. After WM_PAINT the
// backend, once it has closed its paint span (EndPaint, or outside FLTK's
// draw()), calls engine.run_computer_steps() so a quick computer's turn never
// runs inside the toolkit's painting.
proc_result main_window_proc(game_engine& engine, std::uint32_t message, std::uintptr_t wparam,
                             std::intptr_t lparam);

}  // namespace shell
