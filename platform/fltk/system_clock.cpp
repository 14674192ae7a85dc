#include "system_clock.h"

#include <FL/x.H>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "paint_serving_wait.h"
#include "scale.h"

namespace fltk_backend {

namespace {

constexpr int default_double_click_ms = 400;
constexpr int double_click_pixels = 5;

std::uint32_t steady_ms() {
    using namespace std::chrono;
    return std::uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

void system_clock::sleep(int milliseconds) {
    // "Sorry!" is drawn and held for a second on a context that is still open:
    // the wait shows what was drawn before it.
    wait_serving_paints(std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds));
}

std::uint32_t system_clock::input_time() {
    // Clicks are X events, stamped by the server when they were made; a time
    // asked outside one can only be compared with another such time.
    if (fl_xevent && fl_xevent->type == ButtonPress) return std::uint32_t(fl_xevent->xbutton.time);
    return steady_ms();
}

platform::double_click system_clock::double_click_setting() {
    if (double_click_ms_ == 0) {
        double_click_ms_ = default_double_click_ms;
        const char* value = fl_display ? XGetDefault(fl_display, "zarvelin", "multiClickTime") : nullptr;
        // A resource that is no sensible time is ignored.
        if (value) {
            char* end = nullptr;
            const long ms = std::strtol(value, &end, 10);
            if (end != value && *end == '\0' && ms > 0 && ms <= 5000) double_click_ms_ = int(ms);
        }
    }
    // The board's coordinates are the screen's divided by the scale.
    const int d = std::max(1, double_click_pixels / scale());
    return {double_click_ms_, d, d};
}

}  // namespace fltk_backend
