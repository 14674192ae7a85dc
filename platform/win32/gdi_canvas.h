// The canvas on the main window's client area: the device context is taken
// with GetDC when the canvas is made and handed back with ReleaseDC when it goes.
#pragma once

#include <windows.h>

#include "platform/canvas.h"

namespace win32 {

class gdi_canvas final : public platform::canvas {
public:
    explicit gdi_canvas(HWND window);
    ~gdi_canvas() override;
    gdi_canvas(const gdi_canvas&) = delete;
    gdi_canvas& operator=(const gdi_canvas&) = delete;

    platform::brush select_brush(const platform::brush& b) override;
    platform::pen select_pen(const platform::pen& p) override;
    void rectangle(const platform::rect& r) override;
    void ellipse(const platform::rect& bounds) override;
    void fill_rect(const platform::rect& r, const platform::brush& b) override;
    void frame_rect(const platform::rect& r, const platform::brush& b) override;
    void move_to(platform::point p) override;
    void line_to(platform::point p) override;
    void fill_polygon(std::span<const platform::point> points, const platform::brush& b) override;
    void polyline(std::span<const platform::point> points) override;
    void set_text_colour(platform::colour c) override;
    void set_background_colour(platform::colour c) override;
    void text_out(platform::point p, std::string_view text) override;
    void draw_text(std::string_view text, const platform::rect& r, unsigned format) override;

private:
    HWND window_;
    HDC dc_;
    // What is selected now, so a selection can hand back the previous object whole.
    platform::brush brush_;
    platform::pen pen_;
};

}  // namespace win32
