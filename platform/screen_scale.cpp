#include "platform/screen_scale.h"

#include <cstdlib>

namespace platform {

namespace {

constexpr int largest = 4;

// A whole number from 1 to the largest factor, or 0.
int factor(const char* text) {
    if (!text || !*text) return 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 1 || value > largest) return 0;
    return int(value);
}

int factor_of_dpi(const char* text) {
    if (!text || !*text) return 0;
    char* end = nullptr;
    const double dpi = std::strtod(text, &end);
    if (*end != '\0' || !(dpi > 0.0) || dpi > 96.0 * largest * 2) return 0;
    const int rounded = int(dpi / 96.0 + 0.5);
    return rounded < 1 ? 1 : rounded > largest ? largest : rounded;
}

}  // namespace

int choose_screen_scale(const char* zarvelin_scale, const char* gdk_scale, const char* xft_dpi) {
    if (const int k = factor(zarvelin_scale)) return k;
    if (const int k = factor(gdk_scale)) return k;
    if (const int k = factor_of_dpi(xft_dpi)) return k;
    return 1;
}

}  // namespace platform
