// The roll's frames and the bust notice pause the game, but a repaint the
// desktop serves meanwhile (a window moved off the board) must draw the board
// as it stands, keep the notice up, and change nothing in the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/engine/engine_fixture.h"

namespace {

bool has_text(const std::vector<std::string>& drawing, const std::string& text) {
    return std::any_of(drawing.begin(), drawing.end(), [&](const std::string& line) {
        return line.find("\"" + text + "\"") != std::string::npos;
    });
}

using paint_during_pauses = engine_fixture;

TEST_F(paint_during_pauses, a_repaint_during_the_bust_notice_keeps_the_notice) {
    start(2);
    place({{4, 5}, {6, 2}, {8, 2}});
    engine.rolls_this_turn = 1;
    std::vector<std::vector<std::string>> repaints;
    clock.during_sleep = [this, &repaints](int pause) {
        if (pause != 1000) return;
        const auto before = window.drawing.size();
        window.on_paint();
        repaints.emplace_back(window.drawing.begin() + std::ptrdiff_t(before), window.drawing.end());
        // The markers of the lost turn are still on the board while the notice stands.
        EXPECT_EQ(engine.markers[0].column, 4u);
    };
    next_roll_is({1, 1, 1, 2});
    engine.request_roll();
    ASSERT_EQ(repaints.size(), 1u);
    EXPECT_TRUE(has_text(repaints[0], "Sorry!"));
    EXPECT_TRUE(has_text(repaints[0], "Active:"));
    EXPECT_FALSE(has_text(repaints[0], "Roll"));
    EXPECT_FALSE(has_text(repaints[0], "Stop"));
    // Afterwards the next seat's panel, as without the repaint.
    clock.during_sleep = nullptr;
    window.drawing.clear();
    window.on_paint();
    EXPECT_TRUE(has_text(window.drawing, "Roll"));
    EXPECT_FALSE(has_text(window.drawing, "Sorry!"));
}

TEST_F(paint_during_pauses, a_repaint_between_the_frames_of_a_roll_shows_the_board_and_its_panel) {
    start(2);
    std::vector<std::vector<std::string>> repaints;
    clock.during_sleep = [this, &repaints](int) {
        const auto before = window.drawing.size();
        window.on_paint();
        repaints.emplace_back(window.drawing.begin() + std::ptrdiff_t(before), window.drawing.end());
    };
    next_roll_is({1, 2, 3, 4});
    engine.request_roll();
    ASSERT_EQ(repaints.size(), 6u);  // one in each pause between the seven frames
    for (const auto& r : repaints) {
        EXPECT_TRUE(has_text(r, "Roll"));
        EXPECT_TRUE(has_text(r, "Player 1:"));
    }
    EXPECT_EQ(engine.phase, choosing);
    EXPECT_EQ(engine.choices.size(), 3u);
}

// Two quick computers play the same stretch of games twice from the same seed,
// the second time with a repaint in every pause: the same pauses, sounds, boxes
// and positions.
TEST_F(paint_during_pauses, repaints_in_every_pause_change_nothing_in_the_game) {
    settings().seat_is_human = {false, false, false, false};
    settings().computer_pace = 1;
    window.on_paint = [this] { engine.paint_all(); };
    window.answerer = [](const headless::message_box_call&) { return platform::answer::yes; };
    struct course {
        std::vector<int> sleeps;
        std::vector<headless::sound_call> sounds;
        std::size_t boxes;
        std::vector<std::array<std::uint32_t, 13>> progress;
        std::array<int, 4> dice;
        std::uint32_t seat;
        bool operator==(const course&) const = default;
    };
    const auto play = [this] {
        forget();
        engine.seed_dice(777);
        engine.new_game(2, 3);
        for (int step = 0; step < 600; ++step) engine.run_computer_step();
        return course{clock.sleeps,    sound.played, window.boxes.size(),
                      engine.progress, engine.dice,  engine.current_player};
    };
    const course plain = play();
    ASSERT_GT(plain.boxes, 0u) << "the stretch should hold a victory";
    ASSERT_TRUE(std::count(plain.sleeps.begin(), plain.sleeps.end(), 1000) > 0) << "and a bust";
    int repaints = 0;
    clock.during_sleep = [this, &repaints](int) {
        window.on_paint();
        ++repaints;
    };
    EXPECT_EQ(play(), plain);
    EXPECT_EQ(std::size_t(repaints), plain.sleeps.size());
}

}  // namespace
