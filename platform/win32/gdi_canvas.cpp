#include "platform/win32/gdi_canvas.h"

#include <vector>

namespace win32 {

// The engine passes DrawTextA's own flags through.
static_assert(platform::text_centre == DT_CENTER && platform::text_right == DT_RIGHT &&
              platform::text_vcentre == DT_VCENTER && platform::text_single_line == DT_SINGLELINE);

namespace {

HBRUSH to_hbrush(const platform::brush& b) { return reinterpret_cast<HBRUSH>(b.handle); }
HPEN to_hpen(const platform::pen& p) { return reinterpret_cast<HPEN>(p.handle); }
std::uintptr_t handle_of(HGDIOBJ object) { return reinterpret_cast<std::uintptr_t>(object); }

RECT to_rect(const platform::rect& r) { return {r.left, r.top, r.right, r.bottom}; }

std::vector<POINT> to_points(std::span<const platform::point> points) {
    std::vector<POINT> out;
    out.reserve(points.size());
    for (const auto& p : points) out.push_back({p.x, p.y});
    return out;
}

// The context's own defaults (the white stock brush, the 1-pixel black pen), described as ours.
platform::brush current_brush(HDC dc) {
    HGDIOBJ object = GetCurrentObject(dc, OBJ_BRUSH);
    LOGBRUSH lb{};
    GetObjectA(object, sizeof lb, &lb);
    return {lb.lbColor, handle_of(object)};
}

platform::pen current_pen(HDC dc) {
    HGDIOBJ object = GetCurrentObject(dc, OBJ_PEN);
    LOGPEN lp{};
    GetObjectA(object, sizeof lp, &lp);
    return {lp.lopnColor, int(lp.lopnWidth.x), handle_of(object)};
}

}  // namespace

gdi_canvas::gdi_canvas(HWND window)
    : window_(window), dc_(GetDC(window)), brush_(current_brush(dc_)), pen_(current_pen(dc_)) {}

gdi_canvas::~gdi_canvas() { ReleaseDC(window_, dc_); }

platform::brush gdi_canvas::select_brush(const platform::brush& b) {
    platform::brush previous = brush_;
    previous.handle = handle_of(SelectObject(dc_, to_hbrush(b)));
    brush_ = b;
    return previous;
}

platform::pen gdi_canvas::select_pen(const platform::pen& p) {
    platform::pen previous = pen_;
    previous.handle = handle_of(SelectObject(dc_, to_hpen(p)));
    pen_ = p;
    return previous;
}

void gdi_canvas::rectangle(const platform::rect& r) { Rectangle(dc_, r.left, r.top, r.right, r.bottom); }

void gdi_canvas::ellipse(const platform::rect& bounds) {
    Ellipse(dc_, bounds.left, bounds.top, bounds.right, bounds.bottom);
}

void gdi_canvas::fill_rect(const platform::rect& r, const platform::brush& b) {
    const RECT area = to_rect(r);
    FillRect(dc_, &area, to_hbrush(b));
}

void gdi_canvas::frame_rect(const platform::rect& r, const platform::brush& b) {
    const RECT area = to_rect(r);
    FrameRect(dc_, &area, to_hbrush(b));
}

void gdi_canvas::move_to(platform::point p) { MoveToEx(dc_, p.x, p.y, nullptr); }

void gdi_canvas::line_to(platform::point p) { LineTo(dc_, p.x, p.y); }

void gdi_canvas::fill_polygon(std::span<const platform::point> points, const platform::brush& b) {
    const auto corners = to_points(points);
    HRGN region = CreatePolygonRgn(corners.data(), int(corners.size()), ALTERNATE);
    if (!region) return;
    FillRgn(dc_, region, to_hbrush(b));
    DeleteObject(region);
}

void gdi_canvas::polyline(std::span<const platform::point> points) {
    const auto corners = to_points(points);
    Polyline(dc_, corners.data(), int(corners.size()));
}

void gdi_canvas::set_text_colour(platform::colour c) { SetTextColor(dc_, c); }

void gdi_canvas::set_background_colour(platform::colour c) { SetBkColor(dc_, c); }

void gdi_canvas::text_out(platform::point p, std::string_view text) {
    TextOutA(dc_, p.x, p.y, text.data(), int(text.size()));
}

void gdi_canvas::draw_text(std::string_view text, const platform::rect& r, unsigned format) {
    RECT area = to_rect(r);
    DrawTextA(dc_, text.data(), int(text.size()), &area, format);
}

}  // namespace win32
