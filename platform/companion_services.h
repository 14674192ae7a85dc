// What the additions to the game ask of the desktop, beyond the services the
// described program uses: each named for what is asked.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/sheet_drawing.h"

namespace platform {

class companion_services {
public:
    virtual ~companion_services() = default;
    // Where the rules page is on this machine.
    virtual std::string rules_page() = 0;
    // Opens a local page in the desktop's browser; false when it cannot.
    virtual bool open_in_browser(const std::string& path) = 0;
    // The File menu's Sound item shows its check mark, or not.
    virtual void check_sound_item(bool on) = 0;
    // A menu item of the additions, by its command: shows its check mark, or not.
    virtual void check_menu_item(std::uint32_t command, bool on) = 0;
    // A menu item of the additions, by its command: can be chosen, with its key, or is greyed.
    virtual void enable_menu_item(std::uint32_t command, bool on) = 0;
    // A box with lines of text in a fixed-width font, so that columns line up, and OK.
    virtual void show_table(std::string_view caption, std::string_view text) = 0;
    // The score sheet's own window, beside the main window and drawn by
    // `drawing`: shown without taking the keyboard focus, or hidden; the View
    // menu's Score Sheet item checked to match. Its close box sends the
    // main window the Score Sheet command.
    virtual void show_sheet(sheet_drawing& drawing, bool shown) = 0;
    // What the sheet shows has changed: repaint it, following the newest line.
    virtual void sheet_changed() = 0;
    // The desktop's Save dialog for a text file: the path chosen, or empty.
    virtual std::string choose_save_path(std::string_view caption, std::string_view suggested_name) = 0;
};

}  // namespace platform
