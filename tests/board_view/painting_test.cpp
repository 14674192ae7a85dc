#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/engine/engine_fixture.h"

namespace {

using lines = std::vector<std::string>;

constexpr const char* board_pen = " brush=a00000 pen=000000/1";

class painting : public engine_fixture {
protected:
    // The drawing since the last call, without the context brackets.
    lines drawn() {
        lines out;
        for (auto& l : window.drawing)
            if (l != "get_dc" && l != "release_dc") out.push_back(l);
        window.drawing.clear();
        return out;
    }
    std::size_t count(const lines& ls, const std::string& prefix) {
        return std::count_if(ls.begin(), ls.end(), [&](const auto& l) { return l.rfind(prefix, 0) == 0; });
    }
};

TEST_F(painting, an_empty_square_and_a_column_label) {
    start(2);
    engine.paint_empty_square(27, 150);
    engine.paint_column_label(7, 201, 27);
    EXPECT_EQ(drawn(), (lines{"rectangle 27,150,52,175" + std::string(board_pen),
                              "rectangle 204,30,223,49" + std::string(board_pen),
                              "draw_text 206,31,222,48 \"7\" format=25 text=ffffff on=a00000"}));
}

TEST_F(painting, the_board_is_the_octagon_the_squares_and_the_caption) {
    start(2);
    const int objects = graphics.live_objects;
    engine.paint_board();
    EXPECT_EQ(graphics.live_objects, objects);  // the outline pen is deleted again
    const auto ops = drawn();
    const std::string outline = "133,20 293,20 406,133 406,293 293,406 133,406 20,293 20,133 133,20";
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[0], "fill_polygon " + outline + " brush=a00000");
    EXPECT_EQ(ops[1], "polyline " + outline + " pen=ffffff/3");
    // Column 2 from the top down, its top square labelled.
    EXPECT_EQ(ops[2], "rectangle 27,150,52,175" + std::string(board_pen));
    EXPECT_EQ(ops[3], "rectangle 30,153,49,172" + std::string(board_pen));
    EXPECT_EQ(ops[5], "rectangle 27,201,52,226" + std::string(board_pen));
    EXPECT_EQ(ops[6], "rectangle 27,252,52,277" + std::string(board_pen));
    EXPECT_EQ(count(ops, "rectangle"), 83u + 11u);
    EXPECT_EQ(count(ops, "draw_text"), 11u);
    EXPECT_EQ(
        lines(ops.end() - 8, ops.end()),
        (lines{"text_out 29,280 \"Z\" text=ffffff on=a00000", "text_out 63,315 \"A\" text=ffffff on=a00000",
               "text_out 97,348 \"R\" text=ffffff on=a00000", "text_out 131,374 \"V\" text=ffffff on=a00000",
               "text_out 283,374 \"E\" text=ffffff on=a00000", "text_out 317,348 \"L\" text=ffffff on=a00000",
               "text_out 351,315 \"I\" text=ffffff on=a00000",
               "text_out 385,280 \"N\" text=ffffff on=a00000"}));
}

TEST_F(painting, players_on_one_square_share_it_in_slices) {
    start(4);
    for (int seat : {0, 2, 3}) engine.progress[seat][7] = 4;
    engine.progress[1][7] = 13;
    engine.paint_column(7);
    const std::string frame4 = "frame_rect 204,291,223,310 brush=000000";
    EXPECT_EQ(drawn(), (lines{"rectangle 201,27,226,52 brush=0000ff pen=000000/1",
                              "frame_rect 204,30,223,49 brush=000000",
                              "rectangle 201,288,209,313 brush=00b400 pen=000000/1", frame4,
                              "rectangle 209,288,217,313 brush=ffff00 pen=000000/1", frame4,
                              "rectangle 217,288,226,313 brush=e67800 pen=000000/1", frame4}));
    for (int seat : {0, 1, 2, 3}) engine.progress[seat][2] = 1;
    engine.paint_column(2);
    const auto ops = drawn();
    ASSERT_EQ(ops.size(), 8u);
    EXPECT_EQ(ops[0], "rectangle 27,252,33,277 brush=00b400 pen=000000/1");
    EXPECT_EQ(ops[2], "rectangle 33,252,39,277 brush=0000ff pen=000000/1");
    EXPECT_EQ(ops[4], "rectangle 39,252,45,277 brush=ffff00 pen=000000/1");
    EXPECT_EQ(ops[6], "rectangle 45,252,52,277 brush=e67800 pen=000000/1");
    engine.paint_column(13);
    EXPECT_TRUE(drawn().empty());
}

TEST_F(painting, two_sharers_split_at_twelve) {
    start(2);
    engine.progress[0][12] = 1;
    engine.progress[1][12] = 1;
    engine.paint_column(12);
    const auto ops = drawn();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0], "rectangle 375,252,387,277 brush=00b400 pen=000000/1");
    EXPECT_EQ(ops[2], "rectangle 387,252,400,277 brush=0000ff pen=000000/1");
}

TEST_F(painting, markers_out_leave_an_empty_home_behind) {
    start(2);
    place({{7, 5}});
    engine.paint_markers();
    auto marker_at = [](int l, int t) {
        const auto n = [](int a, int b) { return std::to_string(a) + "," + std::to_string(b); };
        return lines{"rectangle " + n(l, t) + "," + n(l + 25, t + 25) + " brush=ffffff pen=000000/1",
                     "rectangle " + n(l + 8, t + 8) + "," + n(l + 17, t + 17) + " brush=ffffff pen=000000/1",
                     "line " + n(l + 8, t + 8) + " " + n(l, t) + " pen=000000/1",
                     "line " + n(l + 17, t + 8) + " " + n(l + 25, t) + " pen=000000/1",
                     "line " + n(l + 8, t + 17) + " " + n(l, t + 25) + " pen=000000/1",
                     "line " + n(l + 17, t + 17) + " " + n(l + 25, t + 25) + " pen=000000/1"};
    };
    lines expected{"rectangle 20,346,45,371" + std::string(board_pen)};
    for (const auto& part : {marker_at(201, 259), marker_at(20, 381), marker_at(55, 381)})
        expected.insert(expected.end(), part.begin(), part.end());
    EXPECT_EQ(drawn(), expected);
}

TEST_F(painting, dice_show_their_pips_and_nothing_before_a_roll) {
    start(2);
    engine.paint_dice();
    EXPECT_TRUE(drawn().empty());
    engine.dice = {1, 2, 5, 6};
    engine.paint_dice();
    EXPECT_EQ(drawn(), (lines{
                           "rectangle 446,30,484,68 brush=a00000 pen=000000/1",
                           "ellipse 461,45,469,53 brush=ffffff pen=000000/1",
                           "rectangle 446,80,484,118 brush=a00000 pen=000000/1",
                           "ellipse 450,84,458,92 brush=ffffff pen=000000/1",
                           "ellipse 472,106,480,114 brush=ffffff pen=000000/1",
                           "rectangle 446,130,484,168 brush=a00000 pen=000000/1",
                           "ellipse 461,145,469,153 brush=ffffff pen=000000/1",
                           "ellipse 450,134,458,142 brush=ffffff pen=000000/1",
                           "ellipse 472,156,480,164 brush=ffffff pen=000000/1",
                           "ellipse 472,134,480,142 brush=ffffff pen=000000/1",
                           "ellipse 450,156,458,164 brush=ffffff pen=000000/1",
                           "rectangle 446,180,484,218 brush=a00000 pen=000000/1",
                           "ellipse 450,184,458,192 brush=ffffff pen=000000/1",
                           "ellipse 472,206,480,214 brush=ffffff pen=000000/1",
                           "ellipse 472,184,480,192 brush=ffffff pen=000000/1",
                           "ellipse 450,206,458,214 brush=ffffff pen=000000/1",
                           "ellipse 461,184,469,192 brush=ffffff pen=000000/1",
                           "ellipse 461,206,469,214 brush=ffffff pen=000000/1",
                       }));
}

const lines active_seat_0{"rectangle 378,390,403,415 brush=00b400 pen=000000/1",
                          "frame_rect 381,393,400,412 brush=000000",
                          "draw_text 323,390,373,415 \"Active:\" format=26 text=ffffff on=640064"};

TEST_F(painting, the_panel_before_the_first_roll_has_no_stop_button) {
    start(2);
    engine.paint_status_panel();
    lines expected{"fill_rect 418,250,528,430 brush=640064",
                   "rectangle 418,404,522,422 brush=00ff00 pen=000000/1",
                   "draw_text 418,404,522,422 \"Roll\" format=25 text=000000 on=00ff00",
                   "draw_text 418,382,522,400 \"Player 1:\" format=25 text=ffffff on=640064"};
    expected.insert(expected.end(), active_seat_0.begin(), active_seat_0.end());
    EXPECT_EQ(drawn(), expected);
    EXPECT_EQ(engine.button_rects[0], (platform::rect{418, 404, 522, 422}));
    EXPECT_EQ(engine.button_rects[1], (platform::rect{}));
}

TEST_F(painting, the_panel_after_a_roll_adds_stop_and_raises_the_status_line) {
    start(2);
    engine.rolls_this_turn = 1;
    settings().player_names[0] = "";
    engine.paint_status_panel();
    const auto ops = drawn();
    ASSERT_EQ(ops.size(), 9u);
    EXPECT_EQ(ops[3], "rectangle 418,332,522,350 brush=a00000 pen=000000/1");
    EXPECT_EQ(ops[4], "draw_text 418,332,522,350 \"Stop\" format=25 text=ffffff on=a00000");
    EXPECT_EQ(ops[5], "draw_text 418,310,522,328 \":\" format=25 text=ffffff on=640064");
    EXPECT_EQ(engine.button_rects[1], (platform::rect{418, 332, 522, 350}));
}

TEST_F(painting, choice_boxes_stack_up_from_the_base_box) {
    start(2);
    engine.phase = choosing;
    engine.choices = {{7, 7}};
    engine.paint_status_panel();
    lines expected{"fill_rect 418,250,528,430 brush=640064", "frame_rect 418,404,522,422 brush=00ff00",
                   "draw_text 418,404,522,422 \"Double 7\" format=25 text=ffffff on=640064",
                   "draw_text 418,384,522,402 \"Only Choice:\" format=25 text=ffffff on=640064"};
    expected.insert(expected.end(), active_seat_0.begin(), active_seat_0.end());
    EXPECT_EQ(drawn(), expected);

    engine.choices = {{3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 9}};
    engine.paint_status_panel();
    const auto ops = drawn();
    EXPECT_EQ(ops[1], "frame_rect 418,404,522,422 brush=00ff00");
    EXPECT_EQ(ops[2], "draw_text 418,404,522,422 \"8 and 9\" format=25 text=ffffff on=640064");
    EXPECT_EQ(ops[11], "frame_rect 418,284,522,302 brush=00ff00");
    EXPECT_EQ(ops[13], "draw_text 418,264,522,282 \"Select One:\" format=25 text=ffffff on=640064");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(engine.button_rects[i], (platform::rect{418, 284 + 24 * i, 522, 302 + 24 * i}));
}

TEST_F(painting, a_computer_seat_is_thinking_or_waits_for_a_click) {
    start(2);
    engine.handle_stop_key();  // seat 1's turn
    drawn();
    settings().seat_is_human[1] = false;
    settings().computer_pace = 0;
    engine.phase = choosing;
    engine.choices = {{4, 0}, {6, 0}};
    engine.paint_status_panel();
    EXPECT_EQ(drawn()[5], "draw_text 418,360,522,378 \"Click To Go\" format=25 text=ffffff on=640064");
    engine.phase = roll_or_stop;
    engine.paint_status_panel();
    EXPECT_EQ(drawn()[3], "draw_text 418,382,522,400 \"Click To Go\" format=25 text=ffffff on=640064");
}

TEST_F(painting, status_names_of_any_length_are_drawn_whole) {
    start(2);
    settings().player_names[0] = std::string(300, 'n');
    engine.paint_status_panel();
    EXPECT_EQ(drawn()[3],
              "draw_text 418,382,522,400 \"" + std::string(300, 'n') + ":\" format=25 text=ffffff on=640064");
}

TEST_F(painting, sorry_stands_alone_in_the_panel_for_a_second) {
    start(2);
    engine.flash_sorry();
    EXPECT_EQ(window.drawing,
              (lines{"get_dc", "fill_rect 418,250,528,430 brush=640064",
                     "draw_text 418,384,522,402 \"Sorry!\" format=25 text=ffffff on=640064", "release_dc"}));
    EXPECT_EQ(clock.sleeps, (std::vector<int>{1000}));
}

TEST_F(painting, a_roll_flickers_through_seven_frames_with_a_click_each) {
    start(2);
    engine.seed_dice(7);
    engine.roll_dice_animated();
    EXPECT_EQ(count(drawn(), "rectangle 446,30,484,68"), 7u);
    EXPECT_EQ(clock.sleeps, (std::vector<int>(6, 10)));
    EXPECT_EQ(sound.played, (std::vector<headless::sound_call>(7, {platform::sound_id::click, true})));
    EXPECT_EQ(engine.rolls_this_turn, 1u);
    dice_generator g;
    g.seed(7);
    std::array<int, 4> last{};
    for (int i = 0; i < 7; ++i)
        for (auto& d : last) d = g.die();
    EXPECT_EQ(engine.dice, last);
}

TEST_F(painting, a_new_game_repaints_everything_through_the_window) {
    engine.new_game(2, 3);
    EXPECT_EQ(window.invalidations, 1);
    EXPECT_EQ(window.drawing.front(), "invalidate erase");
    EXPECT_NE(std::find(window.drawing.begin(), window.drawing.end(),
                        "draw_text 418,404,522,422 \"Roll\" format=25 text=000000 on=00ff00"),
              window.drawing.end());
}

TEST_F(painting, palette_screens_take_the_nearest_colours_for_the_first_seven) {
    headless::headless_graphics palette_screen(8);
    engine.set_devices({&palette_screen, &sound, &clock});
    engine.create_drawing_objects();
    start(2);
    engine.paint_status_panel();
    const auto ops = drawn();
    EXPECT_EQ(ops[0], "fill_rect 418,250,528,430 brush=400040");
    EXPECT_EQ(ops[4], "rectangle 378,390,403,415 brush=008000 pen=000000/1");
    engine.handle_stop_key();
    drawn();
    engine.paint_status_panel();
    EXPECT_EQ(drawn()[4], "rectangle 378,390,403,415 brush=0000c0 pen=000000/1");
    engine.delete_drawing_objects();
    engine.set_devices({&graphics, &sound, &clock});
}

}  // namespace
