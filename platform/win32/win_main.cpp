// The Windows program's entry point.
#include <windows.h>

#include "platform/win32/win32_desktop.h"
#include "shell/program.h"
#include "shell/the_engine.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    win32::win32_desktop desktop(instance, shell::the_engine());
    return shell::run_program(desktop, shell::the_engine());
}
