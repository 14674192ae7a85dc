// The main window's procedure: a thin translation of Windows messages into the
// shared routing of the program's window messages.
#pragma once

#include <windows.h>

namespace win32 {

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace win32
