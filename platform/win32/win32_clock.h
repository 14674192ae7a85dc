// Pauses of the animation and the bust notice: the thread waits, taking no
// input, but the window's paint requests are served meanwhile, so that a part
// of it uncovered during a pause does not stay blank.
#pragma once

#include <windows.h>

#include "platform/window.h"

namespace win32 {

class win32_clock final : public platform::clock {
public:
    void sleep(int milliseconds) override;
    // The time of the message being handled, a click's own time.
    std::uint32_t input_time() override { return std::uint32_t(GetMessageTime()); }
    // The user's double-click time, and the rectangle centred on the first click.
    platform::double_click double_click_setting() override {
        return {int(GetDoubleClickTime()), GetSystemMetrics(SM_CXDOUBLECLK) / 2,
                GetSystemMetrics(SM_CYDOUBLECLK) / 2};
    }
};

}  // namespace win32
