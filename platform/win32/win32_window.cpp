#include "platform/win32/win32_window.h"

#include <string>

#include "platform/long_words.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/win32_dialogs.h"

namespace win32 {

namespace {

UINT box_style(platform::buttons b, platform::icon i) {
    UINT style = 0;
    switch (b) {
        case platform::buttons::ok:
            style = MB_OK;
            break;
        case platform::buttons::ok_cancel:
            style = MB_OKCANCEL;
            break;
        case platform::buttons::yes_no:
            style = MB_YESNO;
            break;
    }
    switch (i) {
        case platform::icon::none:
            break;
        case platform::icon::warning:
            style |= MB_ICONWARNING;
            break;
        case platform::icon::question:
            style |= MB_ICONQUESTION;
            break;
    }
    return style;
}

platform::answer to_answer(int pressed) {
    switch (pressed) {
        case IDOK:
            return platform::answer::ok;
        case IDYES:
            return platform::answer::yes;
        case IDNO:
            return platform::answer::no;
        // A box that could not be shown counts as cancelled: nothing goes ahead unasked.
        default:
            return platform::answer::cancel;
    }
}

}  // namespace

platform::answer message_box(HWND owner, std::string_view text, std::string_view caption, platform::buttons b,
                             platform::icon i) {
    // The system's box wraps at spaces only: a long name would make it wider than the screen.
    const std::string text_z = platform::break_long_words(text), caption_z(caption);
    return to_answer(MessageBoxA(owner, text_z.c_str(), caption_z.c_str(), box_style(b, i)));
}

std::unique_ptr<platform::canvas> win32_window::get_canvas() { return std::make_unique<gdi_canvas>(handle_); }

void win32_window::invalidate_and_update() {
    InvalidateRect(handle_, nullptr, TRUE);
    UpdateWindow(handle_);
}

platform::answer win32_window::message_box(std::string_view text, std::string_view caption,
                                           platform::buttons b, platform::icon i) {
    return win32::message_box(handle_, text, caption, b, i);
}

void win32_window::run_dialog(platform::dialog_template which) {
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(int(which)), handle_, dialog_proc_for(which), 0);
}

void win32_window::post_quit(int exit_code) { PostQuitMessage(exit_code); }

}  // namespace win32
