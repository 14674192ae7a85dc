// A canvas that draws straight into an FLTK window with Xlib calls through
// FLTK's display and graphics context: no back buffer, so each operation is on
// the screen as soon as the canvas is released, as GDI's GetDC...ReleaseDC is.
#pragma once

#include <FL/Fl_Window.H>

#include <utility>

#include "platform/canvas.h"

namespace fltk_backend {

// The font the board's text is drawn in (the system font's stand-in).
void select_board_font();

class fltk_canvas final : public platform::canvas {
public:
    // Draws into the area of `window` whose top-left corner is (origin_x, origin_y).
    fltk_canvas(Fl_Window& window, int origin_x, int origin_y, int width, int height);
    ~fltk_canvas() override;

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
    void use_colour(platform::colour c);
    void use_pen();
    int pen_width() const;
    // Client coordinates at the described size, to screen pixels.
    int x(int client_x) const { return origin_x_ + client_x * k_; }
    int y(int client_y) const { return origin_y_ + client_y * k_; }

    int origin_x_, origin_y_;
    int k_;  // the scale factor
    // A new device context's defaults: white brush, black 1-pixel pen, black on white text.
    platform::brush brush_{platform::rgb(255, 255, 255)};
    platform::pen pen_{platform::rgb(0, 0, 0), 1};
    platform::colour text_colour_ = platform::rgb(0, 0, 0);
    platform::colour background_ = platform::rgb(255, 255, 255);
    platform::point position_;
};

}  // namespace fltk_backend
