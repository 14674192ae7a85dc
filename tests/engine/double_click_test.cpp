// A double-click on Roll rolls once: its second click lands on the choice box
// that now stands where Roll was, and must not take that choice. A click
// after the desktop's double-click time, or away from the first, is a move.
#include <gtest/gtest.h>

#include <string>

#include "board_view/layout.h"
#include "tests/engine/engine_fixture.h"

namespace {

constexpr platform::point roll_point{470, 413};

class double_click : public engine_fixture {
protected:
    double_click() {
        start(2);
        next_roll_is({1, 2, 3, 4});  // (3,7) (4,6) (5,5): the last box stands where Roll was
    }
    // The second click, `after` ms of the desktop's time after the first and moved by (dx, dy).
    void second_click(std::uint32_t first_time, int after, int dx = 0, int dy = 0) {
        clock.advance(after - int(clock.input_time() - first_time));
        engine.handle_click(roll_point.x + dx, roll_point.y + dy);
    }
    bool choice_taken() const { return engine.phase == roll_or_stop && engine.markers[0].column != 0; }
};

struct click_case {
    std::string name;
    int after_ms, dx, dy;
    bool taken;
};

class double_click_cases : public double_click, public ::testing::WithParamInterface<click_case> {};

// The headless desktop has the Windows defaults: 500 ms, 2 pixels either way.
TEST_P(double_click_cases, a_second_click_on_the_box_under_roll) {
    const auto& c = GetParam();
    ASSERT_TRUE(platform::contains(layout::base_box, roll_point));
    const std::uint32_t first = clock.input_time();
    engine.handle_click(roll_point.x, roll_point.y);
    ASSERT_EQ(engine.phase, choosing);
    second_click(first, c.after_ms, c.dx, c.dy);
    EXPECT_EQ(choice_taken(), c.taken);
    if (c.taken) {
        EXPECT_EQ(engine.markers[0].column, 5u);
    }
}

INSTANTIATE_TEST_SUITE_P(clicks, double_click_cases,
                         ::testing::Values(click_case{"at_100_ms", 100, 0, 0, false},
                                           click_case{"at_250_ms", 250, 0, 0, false},
                                           click_case{"at_400_ms", 400, 0, 0, false},
                                           click_case{"at_the_double_click_time", 500, 2, -2, false},
                                           click_case{"just_after_it", 501, 0, 0, true},
                                           click_case{"at_600_ms", 600, 0, 0, true},
                                           click_case{"soon_but_three_pixels_aside", 100, 3, 0, true},
                                           click_case{"soon_but_three_pixels_lower", 100, 0, 3, true}),
                         [](const auto& info) { return info.param.name; });

TEST_F(double_click, the_desktops_own_setting_counts) {
    clock.double_click = {900, 6, 6};
    const std::uint32_t first = clock.input_time();
    engine.handle_click(roll_point.x, roll_point.y);
    second_click(first, 900, 5, 5);
    EXPECT_FALSE(choice_taken());
    second_click(first, 901);
    EXPECT_TRUE(choice_taken());
}

TEST_F(double_click, the_desktops_millisecond_counter_may_wrap_between_the_clicks) {
    clock.advance(-50);  // 50 ms before the counter wraps to 0
    const std::uint32_t first = clock.input_time();
    engine.handle_click(roll_point.x, roll_point.y);
    second_click(first, 300);
    EXPECT_FALSE(choice_taken());
    second_click(first, 700);
    EXPECT_TRUE(choice_taken());
}

TEST_F(double_click, a_click_soon_after_a_roll_by_key_is_a_move) {
    engine.request_roll();
    clock.advance(100);
    engine.handle_click(roll_point.x, roll_point.y);
    EXPECT_TRUE(choice_taken());
}

}  // namespace
