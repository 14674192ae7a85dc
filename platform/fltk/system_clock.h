// Sleep blocks the one thread, as the game's pauses require: no events are
// handled meanwhile, and input made during the pause waits in the X queue.
#pragma once

#include <FL/x.H>

#include <chrono>
#include <thread>

#include "platform/window.h"

namespace fltk_backend {

class system_clock final : public platform::clock {
public:
    void sleep(int milliseconds) override {
        // What was drawn before the pause must be seen during it ("Sorry!" is
        // drawn and held for a second on a context that is still open).
        if (fl_display) XFlush(fl_display);
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

}  // namespace fltk_backend
