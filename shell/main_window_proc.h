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

// Message boxes and dialogs go through engine.window. No message runs a quick
// computer's steps: the backend's message loop runs them, one per turn of the
// loop, so the window is served between two steps and never inside a paint.
proc_result main_window_proc(game_engine& engine, std::uint32_t message, std::uintptr_t wparam,
                             std::intptr_t lparam);

}  // namespace shell
