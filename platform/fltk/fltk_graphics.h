// Brushes and pens on FLTK are plain colours; the screen's depth and nearest
// colours come from the X visual and colormap FLTK uses.
#pragma once

#include "platform/window.h"

namespace fltk_backend {

class fltk_graphics final : public platform::graphics {
public:
    platform::brush make_brush(platform::colour c) override { return {c, 0}; }
    platform::pen make_pen(platform::colour c, int width) override { return {c, width, 0}; }
    void delete_brush(platform::brush& b) override { b = {}; }
    void delete_pen(platform::pen& p) override { p = {}; }
    int screen_bits_per_pixel() override;
    platform::colour nearest_colour(platform::colour c) override;
};

}  // namespace fltk_backend
