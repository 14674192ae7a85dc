// What the additions ask of the Linux desktop: the rules page, the browser
// (xdg-open), the File menu's Sound check mark and the additions' other items.
#pragma once

#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Window.H>

#include <vector>

#include "platform/companion_services.h"
#include "sheet_window.h"

namespace fltk_backend {

class desktop_services final : public platform::companion_services {
public:
    desktop_services(Fl_Window& window, Fl_Menu_Bar& file_menu, sheet_window& sheet)
        : window_(window), file_menu_(file_menu), sheet_(sheet) {}
    // The menu bars whose items check_menu_item and enable_menu_item find by command.
    void serve_menus(std::vector<Fl_Menu_Bar*> bars) { bars_ = std::move(bars); }

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
    Fl_Window& window_;
    Fl_Menu_Bar& file_menu_;
    std::vector<Fl_Menu_Bar*> bars_;
    sheet_window& sheet_;
};

}  // namespace fltk_backend
