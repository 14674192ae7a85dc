#include "fltk_canvas.h"

#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <utility>
#include <vector>

#include "scale.h"

namespace fltk_backend {

namespace {

constexpr Fl_Font board_font = FL_HELVETICA_BOLD;
constexpr int largest_board_font_size = 13;
// The buttons and choice boxes are 18 pixels high inside a 1-pixel frame; an
// opaque text cell taller than the rest would paint over the frame.
constexpr int text_cell_limit = 18 - 2;

// The font's cell height depends on the machine's fonts and screen, so it is
// measured rather than assumed: the largest size whose cell fits the boxes.
int fitting_board_font_size() {
    const int k = scale();
    int size = largest_board_font_size * k;
    for (; size > 1; --size) {
        fl_font(board_font, size);
        if (fl_height() <= text_cell_limit * k) break;
    }
    return size;
}

// A frame `thickness` pixels wide inside the rectangle.
void outline(int x, int y, int w, int h, int thickness) {
    if (thickness <= 1) return fl_rect(x, y, w, h);
    fl_rectf(x, y, w, thickness);
    fl_rectf(x, y + h - thickness, w, thickness);
    fl_rectf(x, y, thickness, h);
    fl_rectf(x + w - thickness, y, thickness, h);
}

}  // namespace

void select_board_font() {
    // Measured once, with the first drawing at start-up.
    static const int size = fitting_board_font_size();
    fl_font(board_font, size);
}

fltk_canvas::fltk_canvas(Fl_Window& window, int origin_x, int origin_y, int width, int height)
    : origin_x_(origin_x), origin_y_(origin_y), k_(scale()) {
    window.make_current();
    fl_push_clip(origin_x, origin_y, width, height);
    select_board_font();
}

fltk_canvas::~fltk_canvas() {
    fl_line_style(0);
    fl_pop_clip();
    // Show the frame now: the engine may sleep before anything else is drawn.
    XFlush(fl_display);
}

platform::brush fltk_canvas::select_brush(const platform::brush& b) { return std::exchange(brush_, b); }
platform::pen fltk_canvas::select_pen(const platform::pen& p) { return std::exchange(pen_, p); }

void fltk_canvas::use_colour(platform::colour c) {
    fl_color(platform::red(c), platform::green(c), platform::blue(c));
}

int fltk_canvas::pen_width() const {
    // At the described size the pen is drawn as given (0 is X's thin line);
    // scaled up, a pen is at least one described pixel wide.
    return k_ == 1 ? pen_.width : std::max(1, pen_.width) * k_;
}

void fltk_canvas::use_pen() {
    use_colour(pen_.rgb);
    fl_line_style(FL_SOLID, pen_width());
}

void fltk_canvas::rectangle(const platform::rect& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    use_colour(brush_.rgb);
    fl_rectf(x(r.left), y(r.top), w * k_, h * k_);
    if (k_ == 1) {
        use_pen();
        fl_rect(x(r.left), y(r.top), w, h);
        fl_line_style(0);
        return;
    }
    use_colour(pen_.rgb);
    outline(x(r.left), y(r.top), w * k_, h * k_, pen_width());
}

void fltk_canvas::ellipse(const platform::rect& b) {
    const int w = b.right - b.left, h = b.bottom - b.top;
    if (w <= 0 || h <= 0) return;
    use_colour(brush_.rgb);
    fl_pie(x(b.left), y(b.top), w * k_, h * k_, 0, 360);
    use_pen();
    fl_arc(x(b.left), y(b.top), w * k_, h * k_, 0, 360);
    fl_line_style(0);
}

void fltk_canvas::fill_rect(const platform::rect& r, const platform::brush& b) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    use_colour(b.rgb);
    fl_rectf(x(r.left), y(r.top), (r.right - r.left) * k_, (r.bottom - r.top) * k_);
}

void fltk_canvas::frame_rect(const platform::rect& r, const platform::brush& b) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    use_colour(b.rgb);
    outline(x(r.left), y(r.top), (r.right - r.left) * k_, (r.bottom - r.top) * k_, k_);
}

void fltk_canvas::move_to(platform::point p) { position_ = p; }

void fltk_canvas::line_to(platform::point p) {
    use_colour(pen_.rgb);
    // LineTo leaves out the end point; X does too with CapNotLast.
    const int width = pen_width();
    XSetLineAttributes(fl_display, fl_gc, width > 1 ? width : 0, LineSolid, CapNotLast, JoinMiter);
    XDrawLine(fl_display, fl_window, fl_gc, x(position_.x), y(position_.y), x(p.x), y(p.y));
    fl_line_style(0);
    position_ = p;
}

void fltk_canvas::fill_polygon(std::span<const platform::point> points, const platform::brush& b) {
    std::vector<XPoint> xs;
    for (const platform::point& p : points) xs.push_back({short(x(p.x)), short(y(p.y))});
    use_colour(b.rgb);
    XSetFillRule(fl_display, fl_gc, EvenOddRule);  // a region's alternate fill
    XFillPolygon(fl_display, fl_window, fl_gc, xs.data(), int(xs.size()), Complex, CoordModeOrigin);
}

void fltk_canvas::polyline(std::span<const platform::point> points) {
    std::vector<XPoint> xs;
    for (const platform::point& p : points) xs.push_back({short(x(p.x)), short(y(p.y))});
    use_colour(pen_.rgb);
    fl_line_style(FL_SOLID | FL_CAP_ROUND | FL_JOIN_ROUND, pen_width());
    XDrawLines(fl_display, fl_window, fl_gc, xs.data(), int(xs.size()), CoordModeOrigin);
    fl_line_style(0);
}

void fltk_canvas::set_text_colour(platform::colour c) { text_colour_ = c; }
void fltk_canvas::set_background_colour(platform::colour c) { background_ = c; }

void fltk_canvas::text_out(platform::point p, std::string_view text) {
    const int width = int(fl_width(text.data(), int(text.size())));
    // An opaque text cell, as a fresh device context draws it.
    use_colour(background_);
    fl_rectf(x(p.x), y(p.y), width, fl_height());
    use_colour(text_colour_);
    fl_draw(text.data(), int(text.size()), x(p.x), y(p.y) + fl_height() - fl_descent());
}

void fltk_canvas::draw_text(std::string_view text, const platform::rect& r, unsigned format) {
    // Laid out in screen pixels, inside the rectangle as it stands on the screen.
    const int width = int(fl_width(text.data(), int(text.size())));
    const int height = fl_height();
    const int box_left = x(r.left), box_top = y(r.top);
    const int box_w = (r.right - r.left) * k_, box_h = (r.bottom - r.top) * k_;
    int left = box_left;
    if (format & platform::text_centre) {
        left = box_left + (box_w - width) / 2;
    } else if (format & platform::text_right) {
        left = box_left + box_w - width;
    }
    int top = box_top;
    if ((format & platform::text_single_line) && (format & platform::text_vcentre)) {
        top = box_top + (box_h - height) / 2;
    }
    // Clipped to the rectangle, as DrawText is.
    fl_push_clip(box_left, box_top, box_w, box_h);
    use_colour(background_);
    fl_rectf(left, top, width, height);
    use_colour(text_colour_);
    fl_draw(text.data(), int(text.size()), left, top + height - fl_descent());
    fl_pop_clip();
}

}  // namespace fltk_backend
