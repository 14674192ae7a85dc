#include "scale.h"

#include <FL/Enumerations.H>
#include <X11/Xlib.h>

#include <cstdlib>

#include "platform/screen_scale.h"

namespace fltk_backend {

namespace {
int chosen = 1;
}

int scale() { return chosen; }

void choose_scale(Display* display) {
    const char* dpi = display ? XGetDefault(display, "Xft", "dpi") : nullptr;
    chosen = platform::choose_screen_scale(std::getenv("ZARVELIN_SCALE"), std::getenv("GDK_SCALE"), dpi);
    // Widgets made from now on take their default text size from here.
    FL_NORMAL_SIZE = Fl_Fontsize(14 * chosen);
}

}  // namespace fltk_backend
