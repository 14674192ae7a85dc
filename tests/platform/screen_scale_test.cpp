#include "platform/screen_scale.h"

#include <gtest/gtest.h>

namespace {

constexpr platform::pixel_size window{528, 455};
constexpr platform::pixel_size large_screen{3840, 2160};

TEST(screen_scale, is_forced_then_the_desktops_then_the_dpi_rounded) {
    struct scale_case {
        const char *forced, *gdk, *dpi;
        int k;
    };
    const scale_case cases[] = {
        {nullptr, nullptr, nullptr, 1},
        {nullptr, nullptr, "96", 1},
        {nullptr, nullptr, "192", 2},
        {nullptr, nullptr, "144", 2},
        {nullptr, nullptr, "120", 1},
        {nullptr, nullptr, "288", 3},
        {nullptr, nullptr, "96.5", 1},
        {nullptr, nullptr, "480", 4},
        {nullptr, nullptr, "48", 1},
        {nullptr, "2", "96", 2},
        {"3", "2", "96", 3},
        {"1", "2", "192", 1},
        {"", "", "192", 2},
        {"2x", "-1", "192dpi", 1},
        {nullptr, "4", nullptr, 4},
        {nullptr, nullptr, "1e9", 1},
    };
    for (const scale_case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.forced ? c.forced : "-") << " " << (c.gdk ? c.gdk : "-")
                                          << " " << (c.dpi ? c.dpi : "-"));
        EXPECT_EQ(platform::choose_screen_scale(c.forced, c.gdk, c.dpi, window, large_screen).factor, c.k);
    }
}

// What was asked and could not be had is said, never silently turned into 1.
TEST(screen_scale, out_of_range_is_clamped_and_the_window_fits_the_work_area_with_the_reason_said) {
    struct scale_case {
        const char *forced, *gdk, *dpi;
        platform::pixel_size screen;
        int k;
        const char* note;
    };
    const scale_case cases[] = {
        {"7", nullptr, nullptr, large_screen, 4, "ZARVELIN_SCALE=7 is out of range (1 to 4), 4 is taken"},
        {"0", nullptr, "192", large_screen, 1, "ZARVELIN_SCALE=0 is out of range (1 to 4), 1 is taken"},
        {nullptr, "5", nullptr, large_screen, 4, "GDK_SCALE=5 is out of range (1 to 4), 4 is taken"},
        {nullptr, "-1", nullptr, large_screen, 1, "GDK_SCALE=-1 is out of range (1 to 4), 1 is taken"},
        {"99999999999999999999", nullptr, nullptr, large_screen, 4,
         "ZARVELIN_SCALE=99999999999999999999 is out of range (1 to 4), 4 is taken"},
        {"abc", "2", nullptr, large_screen, 2, "ZARVELIN_SCALE=abc is not a whole number, passed over"},
        {"abc", nullptr, "1e9", large_screen, 1,
         "ZARVELIN_SCALE=abc is not a whole number, passed over\nXft.dpi=1e9 is not a resolution, passed "
         "over"},
        {"3",
         nullptr,
         nullptr,
         {1600, 1200},
         2,
         "scale 2 is used instead of 3: the window would be 1584x1365, larger than the screen's work area of "
         "1600x1200"},
        {"3", nullptr, nullptr, {1600, 1365}, 3, ""},
        {"3",
         nullptr,
         nullptr,
         {1583, 1400},
         2,
         "scale 2 is used instead of 3: the window would be 1584x1365, larger than the screen's work area of "
         "1583x1400"},
        {"9",
         nullptr,
         nullptr,
         {1024, 768},
         1,
         "ZARVELIN_SCALE=9 is out of range (1 to 4), 4 is taken\n"
         "scale 1 is used instead of 4: the window would be 2112x1820, larger than the screen's work area of "
         "1024x768"},
        {nullptr,
         nullptr,
         "192",
         {800, 600},
         1,
         "scale 1 is used instead of 2: the window would be 1056x910, larger than the screen's work area of "
         "800x600"},
        {"2",
         nullptr,
         nullptr,
         {400, 300},
         1,
         "scale 1 is used instead of 2: the window would be 1056x910, larger than the screen's work area of "
         "400x300"},
        {"2", nullptr, nullptr, {0, 0}, 2, ""},
    };
    for (const scale_case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << (c.forced ? c.forced : "-") << " " << (c.gdk ? c.gdk : "-") << " "
                     << (c.dpi ? c.dpi : "-") << " on " << c.screen.width << "x" << c.screen.height);
        const platform::screen_scale chosen =
            platform::choose_screen_scale(c.forced, c.gdk, c.dpi, window, c.screen);
        EXPECT_EQ(chosen.factor, c.k);
        EXPECT_EQ(chosen.note, c.note);
    }
}

}  // namespace
