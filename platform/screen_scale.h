// The integer factor, 1 to 4, by which a desktop draws the whole program on a
// screen scaled up by its desktop: from ZARVELIN_SCALE when it is set, else
// GDK_SCALE, else the X resource Xft.dpi (96 dots per inch is 1, rounded). A
// setting that is no number is passed over, a number out of range taken as
// the nearest of 1 to 4, and a factor whose window would not fit the screen's
// work area lowered until it fits.
#pragma once

#include <string>

namespace platform {

struct pixel_size {
    int width = 0, height = 0;
};

struct screen_scale {
    int factor = 1;
    // For standard error, one line a point: what was asked, what is used and
    // why. Empty when the factor is as asked, or nothing was.
    std::string note;
};

// window: the main window at factor 1; work_area: the screen's, that the
// desktop leaves to windows. A work area of no size is not checked.
screen_scale choose_screen_scale(const char* zarvelin_scale, const char* gdk_scale, const char* xft_dpi,
                                 pixel_size window, pixel_size work_area);

}  // namespace platform
