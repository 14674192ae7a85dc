// A canvas that draws nothing: for a window that is not on the screen, and
// for runs that want the game without its pictures.
#pragma once

#include <utility>

#include "platform/canvas.h"

namespace platform {

class null_canvas final : public canvas {
public:
    brush select_brush(const brush& b) override { return std::exchange(brush_, b); }
    pen select_pen(const pen& p) override { return std::exchange(pen_, p); }
    void rectangle(const rect&) override {}
    void ellipse(const rect&) override {}
    void fill_rect(const rect&, const brush&) override {}
    void frame_rect(const rect&, const brush&) override {}
    void move_to(point) override {}
    void line_to(point) override {}
    void fill_polygon(std::span<const point>, const brush&) override {}
    void polyline(std::span<const point>) override {}
    void set_text_colour(colour) override {}
    void set_background_colour(colour) override {}
    void text_out(point, std::string_view) override {}
    void draw_text(std::string_view, const rect&, unsigned) override {}

private:
    brush brush_;
    pen pen_;
};

}  // namespace platform
