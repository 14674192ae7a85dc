// Sleep blocks the one thread, as the game's pauses require: no events are
// handled meanwhile, and input made during the pause waits in the X queue.
#pragma once

#include <chrono>
#include <thread>

#include "platform/window.h"

namespace fltk_backend {

class system_clock final : public platform::clock {
public:
    void sleep(int milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

}  // namespace fltk_backend
