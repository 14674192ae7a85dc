#include "scale.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "main_window.h"
#include "platform/screen_scale.h"

namespace fltk_backend {

namespace {
int chosen = 1;
}

int scale() { return chosen; }

void choose_scale(Display* display) {
    const char* dpi = display ? XGetDefault(display, "Xft", "dpi") : nullptr;
    platform::pixel_size work_area;
    int x = 0, y = 0;
    if (display) Fl::screen_work_area(x, y, work_area.width, work_area.height, 0);
    const platform::pixel_size window{main_window::client_width,
                                      main_window::menu_height + main_window::client_height};
    const platform::screen_scale found = platform::choose_screen_scale(
        std::getenv("ZARVELIN_SCALE"), std::getenv("GDK_SCALE"), dpi, window, work_area);
    chosen = found.factor;
    // Said, not asked: the player sees the window at once and may set it otherwise.
    std::string_view note = found.note;
    while (!note.empty()) {
        const std::string_view line = note.substr(0, note.find('\n'));
        std::fprintf(stderr, "zarvelin: %.*s\n", int(line.size()), line.data());
        note.remove_prefix(std::min(note.size(), line.size() + 1));
    }
    // Widgets made from now on take their default text size from here.
    FL_NORMAL_SIZE = Fl_Fontsize(14 * chosen);
}

}  // namespace fltk_backend
