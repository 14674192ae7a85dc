#include "platform/screen_scale.h"

#include <gtest/gtest.h>

namespace {

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
        {"0", nullptr, "192", 2},
        {"5", "9", "abc", 1},
        {"2x", "-1", "192dpi", 1},
        {nullptr, "4", nullptr, 4},
        {nullptr, nullptr, "1e9", 1},
    };
    for (const scale_case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.forced ? c.forced : "-") << " " << (c.gdk ? c.gdk : "-")
                                          << " " << (c.dpi ? c.dpi : "-"));
        EXPECT_EQ(platform::choose_screen_scale(c.forced, c.gdk, c.dpi), c.k);
    }
}

}  // namespace
