// The drawing seam: one acquired device context and the handful of GDI-style
// operations the board view paints with. Rectangles follow GDI: right and
// bottom are exclusive.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace platform {

// 0x00bbggrr, the layout of a Windows COLORREF, so the Win32 backend passes it on as is.
using colour = std::uint32_t;

constexpr colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return colour(r) | colour(g) << 8 | colour(b) << 16;
}
constexpr std::uint8_t red(colour c) { return c & 0xff; }
constexpr std::uint8_t green(colour c) { return (c >> 8) & 0xff; }
constexpr std::uint8_t blue(colour c) { return (c >> 16) & 0xff; }

struct point {
    std::int32_t x = 0, y = 0;
    friend bool operator==(const point&, const point&) = default;
};

struct rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const rect&, const rect&) = default;
};

// PtInRect: left and top inclusive, right and bottom exclusive.
constexpr bool contains(const rect& r, point p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

constexpr rect offset(const rect& r, std::int32_t dx, std::int32_t dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// A solid brush or pen. The colour is what it paints; the handle is the
// backend's own object (an HBRUSH or HPEN on Windows, unused elsewhere).
struct brush {
    colour rgb = 0;
    std::uintptr_t handle = 0;
};

struct pen {
    colour rgb = 0;
    int width = 1;
    std::uintptr_t handle = 0;
};

// DrawText flags, with the values Windows gives DT_CENTER, DT_RIGHT,
// DT_VCENTER and DT_SINGLELINE.
enum text_format : unsigned {
    text_left = 0x0,
    text_centre = 0x1,
    text_right = 0x2,
    text_vcentre = 0x4,
    text_single_line = 0x20,
};

class canvas {
public:
    // Releasing the canvas releases the device context.
    virtual ~canvas() = default;

    // Make a brush or pen current; the previous one is returned so it can be put back.
    virtual brush select_brush(const brush& b) = 0;
    virtual pen select_pen(const pen& p) = 0;

    // Filled with the current brush, outlined with the current pen.
    virtual void rectangle(const rect& r) = 0;
    virtual void ellipse(const rect& bounds) = 0;
    // No outline.
    virtual void fill_rect(const rect& r, const brush& b) = 0;
    // A one-pixel frame in the brush's colour.
    virtual void frame_rect(const rect& r, const brush& b) = 0;
    // A line from the current position up to, not including, the end point.
    virtual void move_to(point p) = 0;
    virtual void line_to(point p) = 0;
    // A region made from the points (alternate fill), filled and deleted.
    virtual void fill_polygon(std::span<const point> points, const brush& b) = 0;
    // Connected lines with the current pen.
    virtual void polyline(std::span<const point> points) = 0;

    virtual void set_text_colour(colour c) = 0;
    virtual void set_background_colour(colour c) = 0;
    // Top-left reference point, opaque background.
    virtual void text_out(point p, std::string_view text) = 0;
    // Placed in the rectangle by the flags and clipped to it.
    virtual void draw_text(std::string_view text, const rect& r, unsigned format) = 0;
};

}  // namespace platform
