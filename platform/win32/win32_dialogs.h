// The two dialogs on their Windows templates: the dialog procedures hand every
// message to the shared rules of the set-up dialog and the about box.
#pragma once

#include <windows.h>

#include "platform/window.h"

namespace win32 {

INT_PTR CALLBACK setup_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
INT_PTR CALLBACK about_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

DLGPROC dialog_proc_for(platform::dialog_template which);

}  // namespace win32
