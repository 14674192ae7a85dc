// Pauses of the animation and the bust notice: the thread sleeps.
#pragma once

#include <windows.h>

#include "platform/window.h"

namespace win32 {

class win32_clock final : public platform::clock {
public:
    void sleep(int milliseconds) override { Sleep(DWORD(milliseconds)); }
};

}  // namespace win32
