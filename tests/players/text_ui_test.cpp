#include "players/text_ui.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/players/fake_game_view.h"

namespace {

// Counts its pauses instead of reading standard input.
class counting_ui final : public text_ui {
public:
    using text_ui::text_ui;
    void wait_for_enter() override { ++waits; }
    int waits = 0;
};

// Each test runs in its own empty directory, where the trace file lands.
class text_front_end : public ::testing::Test {
protected:
    text_front_end() : home(std::filesystem::current_path()) {
        dir = std::filesystem::path(testing::TempDir()) / ("text_ui_" + std::to_string(getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        view.register_players(2);
    }
    ~text_front_end() override {
        std::filesystem::current_path(home);
        std::filesystem::remove_all(dir);
    }
    static std::string trace() {
        std::ifstream file(text_ui::trace_file);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    // Every event once, with a list of choices, moves single and double.
    static void raise_all(game_ui& ui) {
        const choice offered[] = {{3, 7}, {4, 6}, {5, 5}};
        ui.turn_started();
        ui.dice_rolled();
        ui.show_choices(3, offered);
        ui.chose({7, 0});
        ui.chose({4, 6});
        ui.busted();
        ui.stopped();
        ui.show_choices(0, nullptr);
        ui.player_won();
    }

    std::filesystem::path home, dir;
    fake_game_view view;
};

}  // namespace

TEST_F(text_front_end, file_holds_every_event_text_in_order) {
    { std::ofstream(text_ui::trace_file) << "an older run\n"; }
    view.seat = 1;
    view.dice = {3, 5, 1, 6};
    counting_ui ui(false, true, false);
    EXPECT_EQ(trace(), "");
    raise_all(ui);
    EXPECT_EQ(trace(),
              "Player B - it's your turn.\n\n"
              "3 5 1 6 \n\n"
              "Choices are:   3,7   4,6   5,5\n\n"
              "      Chose 7\n\n"
              "      Chose 4,6\n\n"
              "      BUSTED!!!!!!\n\n"
              "      Player B stopped!\n\n"
              "Choices are:\n\n"
              "Player B wins!!!!\n\n");
    EXPECT_EQ(ui.trace_fault(), "");
    EXPECT_EQ(ui.waits, 0);
}

// A trace that fails once is not tried again: a file with a hole in it would
// pass for a whole trace.
TEST_F(text_front_end, trace_that_cannot_be_opened_says_why_and_stays_off) {
    std::filesystem::create_directory(text_ui::trace_file);
    counting_ui ui(false, true, false);
    EXPECT_EQ(ui.trace_fault().rfind("cannot open vl_out.txt: ", 0), 0u) << ui.trace_fault();
    std::filesystem::remove(text_ui::trace_file);
    raise_all(ui);
    EXPECT_FALSE(std::filesystem::exists(text_ui::trace_file));
}

TEST_F(text_front_end, console_shows_only_moving_and_winning_of_computers) {
    counting_ui ui(true, false, false);
    testing::internal::CaptureStdout();
    raise_all(ui);
    ui.show_board();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Player A is moving.\n\nPlayer A wins!!!!\n\n");
    EXPECT_EQ(ui.waits, 0);
    EXPECT_FALSE(std::filesystem::exists(text_ui::trace_file));
}

TEST_F(text_front_end, silent_front_end_writes_nothing) {
    counting_ui ui(false, false, false);
    testing::internal::CaptureStdout();
    raise_all(ui);
    ui.show_board();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(ui.waits, 0);
    EXPECT_FALSE(std::filesystem::exists(text_ui::trace_file));
}

TEST_F(text_front_end, step_mode_echoes_everything_rings_and_pauses) {
    view.dice = {1, 2, 3, 4};
    counting_ui ui(true, false, true);
    testing::internal::CaptureStdout();
    raise_all(ui);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out,
              "Player A - it's your turn.\n\n1 2 3 4 \n\nChoices are:   3,7   4,6   5,5\n\n      Chose 7\n\n"
              "      Chose 4,6\n\n      BUSTED!!!!!!\n\n" +
                  std::string(100, '\a') +
                  "      Player A stopped!\n\nChoices are:\n\nPlayer A wins!!!!\n\n");
    EXPECT_EQ(ui.waits, 4);  // two lists of choices, the bust, the stop
}

TEST(text_front_end_interactive, a_bust_of_a_person_rings_and_waits_even_when_silent) {
    fake_game_view view;
    view.register_players(2, true);
    counting_ui ui(false, false, false);
    testing::internal::CaptureStdout();
    ui.busted();
    ui.stopped();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string(100, '\a'));
    EXPECT_EQ(ui.waits, 1);
}

TEST(text_front_end_interactive, console_echoes_a_person_and_prompts_on_wait) {
    fake_game_view view;
    view.register_players(2, true);
    text_ui ui(true, false, false);
    testing::internal::CaptureStdout();
    ui.turn_started();
    ui.player_won();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Player A - it's your turn.\n\nPlayer A wins!!!!\n\n");
}

namespace {
std::string padded(const char* row) {
    std::string line(row);
    line.resize(76, ' ');
    return line + "\n";
}
}  // namespace

TEST_F(text_front_end, board_picture) {
    view.progress_of[0][2] = 1;
    view.progress_of[0][7] = 3;
    view.progress_of[1][7] = 2;
    view.progress_of[1][12] = 3;
    view.markers = {{{7, 5}, {8, 1}, {0, 0}}};
    text_ui ui(false, true, false);
    ui.show_board();
    const char* rows[] = {
        "                          7                            A's turn.",
        "                      6   |   8",
        "                  5   |   |   |   9",
        "              4   |   |   |   |   |   10",
        "          3   |   |   |   |   |   |   |   11",
        "      2   |   |   |   |   |   |   |   |   |   b",
        "      |   |   |   |   |   |   |   |   |   |",
        "      A   |   |   |   |   |   |   |   |   |",
        "          |   |   |   |   #   |   |   |   |",
        "              |   |   |   |   |   |   |",
        "                  |   |   A   |   |",
        "                      |   b   #",
        "                          |                            #",
    };
    std::string expected;
    for (const char* row : rows) expected += padded(row);
    EXPECT_EQ(trace(), expected + "\n");
}

TEST_F(text_front_end, board_marks_share_squares_and_a_topped_column_loses_its_label) {
    view.register_players(4);  // all four seats in column 5 at square 2
    for (int seat = 0; seat < 4; ++seat) view.progress_of[seat][5] = 2;
    view.seat = 2;
    view.markers = {{{5, 2}, {4, 7}, {0, 0}}};
    text_ui ui(false, true, false);
    ui.show_board();
    const std::string picture = trace();
    const auto row_of = [&](int row) { return picture.substr(std::size_t(12 - row) * 77 + 6, 70); };
    // Column 5 at square 2 is row 3: a, b, C, d from x = 12, the marker at the next field.
    EXPECT_EQ(row_of(3).substr(12, 5), "abCd#");
    // Column 4 is topped by the marker: no label, no bars, only the mark.
    EXPECT_EQ(row_of(9).substr(8, 1), "#");
    EXPECT_EQ(row_of(8).substr(8, 1), " ");
}
