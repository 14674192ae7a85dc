// The integer factor, 1 to 4, by which a desktop draws the whole program on a
// screen scaled up by its desktop: from ZARVELIN_SCALE when it is set, else
// GDK_SCALE, else the X resource Xft.dpi (96 dots per inch is 1, rounded).
// Anything unreadable or out of range is passed over.
#pragma once

namespace platform {

int choose_screen_scale(const char* zarvelin_scale, const char* gdk_scale, const char* xft_dpi);

}  // namespace platform
