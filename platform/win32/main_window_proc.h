// The main window's procedure: a thin translation of Windows messages into the
// shared routing of the program's window messages.
#pragma once

#include <windows.h>

namespace companion {
class additions;
}

namespace win32 {

// The additions the window's messages pass through on their way to the described routing.
void route_through(companion::additions* additions);

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace win32
