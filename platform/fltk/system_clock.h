// Sleep blocks the one thread, as the game's pauses require: no input is
// handled meanwhile, and input made during the pause waits in the X queue;
// only paint requests are served.
#pragma once

#include "platform/window.h"

namespace fltk_backend {

class system_clock final : public platform::clock {
public:
    void sleep(int milliseconds) override;
    // A click's own X server time.
    std::uint32_t input_time() override;
    // X has no desktop-wide double-click setting: the usual 400 ms unless the
    // X resource multiClickTime says otherwise, and 5 screen pixels either way.
    platform::double_click double_click_setting() override;

private:
    int double_click_ms_ = 0;  // read from the X resources the first time it is asked
};

}  // namespace fltk_backend
