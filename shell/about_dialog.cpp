#include "shell/about_dialog.h"

#include "shell/window_messages.h"

namespace shell {

bool about_dialog_proc(dialog& d, std::uint32_t message, std::uintptr_t wparam, std::intptr_t) {
    switch (message) {
        case msg::wm_initdialog:
            centre_on_screen(d);
            d.focus_first_control();
            return false;
        case msg::wm_command:
            if ((wparam & 0xffff) != about_ok) return false;
            d.end(0);
            return true;
        case msg::wm_close:
            d.end(0);
            return true;
        default:
            return false;
    }
}

}  // namespace shell
