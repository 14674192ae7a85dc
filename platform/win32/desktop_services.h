// What the additions ask of Windows: the rules page beside zarvelin.exe, the
// browser (ShellExecuteA), the File menu's Sound check mark and the additions' other items.
#pragma once

#include <windows.h>

#include "platform/companion_services.h"
#include "platform/win32/sheet_window.h"

namespace win32 {

class desktop_services final : public platform::companion_services {
public:
    explicit desktop_services(HWND window) : window_(window), sheet_(window) {}

    std::string rules_page() override;
    bool open_in_browser(const std::string& path) override;
    void check_sound_item(bool on) override;
    void check_menu_item(std::uint32_t command, bool on) override;
    void enable_menu_item(std::uint32_t command, bool on) override;
    void show_table(std::string_view caption, std::string_view text) override;
    void show_sheet(platform::sheet_drawing& drawing, bool shown) override;
    void sheet_changed() override { sheet_.changed(); }
    std::string choose_save_path(std::string_view caption, std::string_view suggested_name) override;

private:
    HWND window_;
    sheet_window sheet_;
};

}  // namespace win32
