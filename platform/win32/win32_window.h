// The main window as the engine and the shell see it: device contexts, the
// whole-window repaint, message boxes, the two dialogs and the quit message.
#pragma once

#include <windows.h>

#include "platform/window.h"

namespace win32 {

class win32_window final : public platform::window {
public:
    win32_window(HINSTANCE instance, HWND handle) : instance_(instance), handle_(handle) {}

    std::unique_ptr<platform::canvas> get_canvas() override;
    void invalidate_and_update() override;
    platform::answer message_box(std::string_view text, std::string_view caption, platform::buttons b,
                                 platform::icon i) override;
    void run_dialog(platform::dialog_template which) override;
    void post_quit(int exit_code) override;

    HWND handle() const { return handle_; }

private:
    HINSTANCE instance_;
    HWND handle_;
};

// MessageBoxA owned by any window (the main window or a dialog).
platform::answer message_box(HWND owner, std::string_view text, std::string_view caption, platform::buttons b,
                             platform::icon i);

}  // namespace win32
