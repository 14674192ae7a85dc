// Brushes and pens as GDI objects, and the screen's colour depth.
#pragma once

#include "platform/window.h"

namespace win32 {

class win32_graphics final : public platform::graphics {
public:
    platform::brush make_brush(platform::colour c) override;
    platform::pen make_pen(platform::colour c, int width) override;
    void delete_brush(platform::brush& b) override;
    void delete_pen(platform::pen& p) override;
    int screen_bits_per_pixel() override;
    platform::colour nearest_colour(platform::colour c) override;
};

}  // namespace win32
