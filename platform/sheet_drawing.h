// What a second window of the program shows: drawn by portable code through a
// canvas, at the program's described size, and only hosted by the desktop,
// which scrolls one band of it and passes on clicks.
#pragma once

#include "platform/canvas.h"

namespace platform {

class sheet_drawing {
public:
    virtual ~sheet_drawing() = default;
    // The client area, from (0, 0).
    virtual rect area() const = 0;
    // The part that scrolls, and the height of all there is to scroll through it, in steps of one line.
    virtual rect scrolled_band() const = 0;
    virtual int scrolled_height() const = 0;
    virtual int scroll_step() const = 0;
    // Everything, with the band's content moved up by scrolled_by (a whole number of steps).
    virtual void paint(canvas& dc, int scrolled_by) = 0;
    // The left button pressed at p.
    virtual void click(point p) = 0;
};

}  // namespace platform
