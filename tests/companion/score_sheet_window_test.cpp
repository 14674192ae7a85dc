// The score sheet among the additions: the View command shows and hides its
// window and the set-up remembers which, the window is told of every change,
// its drawing shows the game, and Save Log writes the log or says why not.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "companion/additions.h"
#include "companion/companion_messages.h"
#include "companion/program_window.h"
#include "companion/score_sheet_text.h"
#include "companion/score_sheet_view.h"
#include "shell/window_messages.h"
#include "tests/companion/fake_companion_host.h"
#include "tests/companion/temp_folder.h"
#include "tests/engine/engine_fixture.h"

namespace {

using sheet_host = fakes::companion_host;

class score_sheet_window : public engine_fixture {
protected:
    score_sheet_window() {
        window.on_paint = [this] {
            layer.window_proc(::msg::wm_paint, 0, 0);
            engine.run_computer_steps();
        };
        setenv("XDG_CONFIG_HOME", home.path.c_str(), 1);
        program.run_dialog(platform::dialog_template::setup);
    }
    ~score_sheet_window() override { unsetenv("XDG_CONFIG_HOME"); }
    void toggle() { layer.window_proc(::msg::wm_command, companion::msg::cmd_score_sheet, 0); }
    std::vector<std::string> painted() {
        window.drawing.clear();
        host.sheet->paint(*window.get_canvas(), 0);
        return window.drawing;
    }
    bool painted_text(const std::vector<std::string>& drawing, const std::string& text) {
        return std::any_of(drawing.begin(), drawing.end(), [&](const std::string& d) {
            return d.find("\"" + text + "\"") != std::string::npos;
        });
    }
    void click_save() {
        const auto b = companion::score_sheet_view::save_button;
        host.sheet->click({(b.left + b.right) / 2, (b.top + b.bottom) / 2});
    }

    temp_folder home;
    sheet_host host;
    companion::additions layer{engine, host, sound};
    companion::program_window program{window, layer};
};

TEST_F(score_sheet_window, the_view_command_shows_and_hides_it_and_the_next_run_remembers) {
    EXPECT_EQ(host.sheet, nullptr);  // closed unless remembered open
    toggle();
    ASSERT_NE(host.sheet, nullptr);

    sheet_host next_host;
    headless::headless_sound next_sound;
    {
        companion::additions next_run(engine, next_host, next_sound);
        companion::program_window next_program(window, next_run);
        next_program.run_dialog(platform::dialog_template::setup);
        EXPECT_NE(next_host.sheet, nullptr);
    }
    toggle();
    EXPECT_EQ(host.sheet, nullptr);
    std::ifstream file(home.path / "zarvelin" / "settings.txt");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("score_sheet=closed\n"), std::string::npos);
}

TEST_F(score_sheet_window, it_follows_the_game_and_saves_the_log) {
    toggle();
    settings().seat_is_human = {true, false, false, false};
    start(2);
    next_roll_is({1, 1, 6, 6});
    engine.request_roll();
    engine.apply_choice(0);
    engine.handle_stop_key();  // Player 2, the computer, plays its turn at once
    EXPECT_GT(host.sheet_changes, 3);

    const auto drawing = painted();
    EXPECT_TRUE(painted_text(drawing, "First to claim 3 columns"));
    EXPECT_TRUE(painted_text(drawing, "Save Log"));
    EXPECT_TRUE(painted_text(drawing, "computer"));
    EXPECT_TRUE(painted_text(drawing, "1 of 3") || painted_text(drawing, "0 of 3"));
    const bool log_row_for_player_2 = std::any_of(drawing.begin(), drawing.end(), [](const std::string& d) {
        return d.find("\"Turn 2, Player 2: ") != std::string::npos;
    });
    EXPECT_TRUE(log_row_for_player_2);

    host.save_path = (home.path / "log.txt").string();
    click_save();
    std::ifstream file(home.path / "log.txt");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str().rfind("Zarvelin score sheet. First to claim 3 columns.\n", 0), 0u);
    EXPECT_NE(text.str().find("\nTurn 1, Player 1: 1 roll; took "), std::string::npos);
    EXPECT_NE(text.str().find("\nTurn 2, Player 2: "), std::string::npos);
    EXPECT_TRUE(window.boxes.empty());

    host.save_path = (home.path / "no such folder" / "log.txt").string();
    click_save();
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].caption, "Save Log");
    EXPECT_EQ(window.boxes[0].text.rfind("The log was not saved.\n", 0), 0u);
}

TEST(log_rows, break_between_phrases_and_keep_each_row_within_the_limit) {
    settings().player_names[0] = "Player 1";
    settings().player_names[1] = "Player 2";
    game_engine engine;
    companion::score_sheet sheet(engine);
    ASSERT_TRUE(sheet.restore_lines({"sheet 2 3", "turn 0 3 busted 0 2 7 7 2 2 0 2 12 1 1 531"}));
    for (std::size_t limit : {20u, 23u, 27u, 40u, 200u}) {
        const auto rows = companion::log_rows(sheet, limit);
        ASSERT_FALSE(rows.empty());
        EXPECT_TRUE(rows[0].first);
        std::string joined;
        for (const auto& row : rows) {
            EXPECT_LE(row.text.size(), limit) << row.text;
            EXPECT_FALSE(row.text.ends_with(" square") || row.text.ends_with(" column")) << row.text;
            joined += (joined.empty() ? "" : " ") + row.text;
        }
        EXPECT_EQ(joined, companion::turn_line(sheet.turns()[0], 1, "Player 1")) << limit;
    }
}

}  // namespace
