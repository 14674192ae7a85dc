#include "platform/win32/win32_graphics.h"

#include <windows.h>

namespace win32 {

namespace {

std::uintptr_t handle_of(HGDIOBJ object) { return reinterpret_cast<std::uintptr_t>(object); }

// The whole screen's device context, for as long as one question takes.
class screen_dc {
public:
    screen_dc() : dc_(GetDC(nullptr)) {}
    ~screen_dc() { ReleaseDC(nullptr, dc_); }
    screen_dc(const screen_dc&) = delete;
    screen_dc& operator=(const screen_dc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

platform::brush win32_graphics::make_brush(platform::colour c) {
    const LOGBRUSH solid{BS_SOLID, c, 0};
    return {c, handle_of(CreateBrushIndirect(&solid))};
}

platform::pen win32_graphics::make_pen(platform::colour c, int width) {
    const LOGPEN solid{PS_SOLID, {width, 0}, c};
    return {c, width, handle_of(CreatePenIndirect(&solid))};
}

void win32_graphics::delete_brush(platform::brush& b) {
    DeleteObject(reinterpret_cast<HGDIOBJ>(b.handle));
    b.handle = 0;
}

void win32_graphics::delete_pen(platform::pen& p) {
    DeleteObject(reinterpret_cast<HGDIOBJ>(p.handle));
    p.handle = 0;
}

int win32_graphics::screen_bits_per_pixel() { return GetDeviceCaps(screen_dc().get(), BITSPIXEL); }

platform::colour win32_graphics::nearest_colour(platform::colour c) {
    return GetNearestColor(screen_dc().get(), c);
}

}  // namespace win32
