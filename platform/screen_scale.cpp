#include "platform/screen_scale.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace platform {

namespace {

constexpr int largest = 4;

struct asked {
    int factor = 0;  // 0: nothing asked here
    std::string note;
};

std::string setting(const char* name, const char* text) { return std::string(name) + "=" + text; }

// A whole number, taken as the nearest factor from 1 to the largest.
asked factor(const char* name, const char* text) {
    if (!text || !*text) return {};
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || end == text) return {0, setting(name, text) + " is not a whole number, passed over"};
    if (value >= 1 && value <= largest && errno == 0) return {int(value), {}};
    const int nearest = value < 1 ? 1 : largest;
    return {nearest, setting(name, text) + " is out of range (1 to " + std::to_string(largest) + "), " +
                         std::to_string(nearest) + " is taken"};
}

asked factor_of_dpi(const char* text) {
    if (!text || !*text) return {};
    char* end = nullptr;
    const double dpi = std::strtod(text, &end);
    if (*end != '\0' || end == text || !(dpi > 0.0) || dpi > 96.0 * largest * 2)
        return {0, setting("Xft.dpi", text) + " is not a resolution, passed over"};
    const int rounded = int(dpi / 96.0 + 0.5);
    return {std::clamp(rounded, 1, largest), {}};
}

void add_line(std::string& note, const std::string& line) {
    if (line.empty()) return;
    if (!note.empty()) note += '\n';
    note += line;
}

std::string size_text(pixel_size s) { return std::to_string(s.width) + "x" + std::to_string(s.height); }

}  // namespace

screen_scale choose_screen_scale(const char* zarvelin_scale, const char* gdk_scale, const char* xft_dpi,
                                 pixel_size window, pixel_size work_area) {
    screen_scale chosen;
    int wanted = 1;
    for (const asked& source :
         {factor("ZARVELIN_SCALE", zarvelin_scale), factor("GDK_SCALE", gdk_scale), factor_of_dpi(xft_dpi)}) {
        add_line(chosen.note, source.note);
        if (source.factor) {
            wanted = source.factor;
            break;
        }
    }
    // The Roll button and the choices stand at the window's lower right: a
    // window larger than the screen hides them.
    const auto fits = [&](int k) {
        return work_area.width <= 0 || work_area.height <= 0 ||
               (window.width * k <= work_area.width && window.height * k <= work_area.height);
    };
    chosen.factor = wanted;
    while (chosen.factor > 1 && !fits(chosen.factor)) --chosen.factor;
    if (chosen.factor < wanted) {
        add_line(chosen.note, "scale " + std::to_string(chosen.factor) + " is used instead of " +
                                  std::to_string(wanted) + ": the window would be " +
                                  size_text({window.width * wanted, window.height * wanted}) +
                                  ", larger than the screen's work area of " + size_text(work_area));
    }
    return chosen;
}

}  // namespace platform
