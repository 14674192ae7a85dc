#include "fltk_graphics.h"

#include <FL/Fl.H>
#include <FL/x.H>

namespace fltk_backend {

int fltk_graphics::screen_bits_per_pixel() {
    fl_open_display();
    return fl_visual->depth;
}

platform::colour fltk_graphics::nearest_colour(platform::colour c) {
    fl_open_display();
    // The pixel FLTK would paint this colour with, read back from the colormap.
    XColor shown{};
    shown.pixel = fl_xpixel(platform::red(c), platform::green(c), platform::blue(c));
    XQueryColor(fl_display, fl_colormap, &shown);
    return platform::rgb(shown.red >> 8, shown.green >> 8, shown.blue >> 8);
}

}  // namespace fltk_backend
