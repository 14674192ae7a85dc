// The additions between the window and the described routing: the hint on a
// person's turn only, How to Play, the sound switch, and choosing with the
// arrow keys; everything else reaches the described routing unchanged.
#include "companion/additions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "companion/companion_messages.h"
#include "companion/program_window.h"
#include "shell/window_messages.h"
#include "tests/companion/temp_folder.h"
#include "tests/engine/engine_fixture.h"

namespace {

using platform::answer;

class fake_services final : public platform::companion_services {
public:
    std::string rules_page() override { return "/usr/share/doc/zarvelin/rules.html"; }
    bool open_in_browser(const std::string& path) override {
        opened.push_back(path);
        return browser;
    }
    void check_sound_item(bool on) override { sound_checked = on; }
    void show_table(std::string_view caption, std::string_view text) override {
        tables.push_back(std::string(caption) + "\n" + std::string(text));
    }
    void show_sheet(platform::sheet_drawing& drawing, bool shown) override {
        sheet = shown ? &drawing : nullptr;
    }
    void sheet_changed() override { ++sheet_changes; }
    std::string choose_save_path(std::string_view, std::string_view) override { return save_path; }

    bool browser = true;
    std::vector<std::string> tables;
    std::vector<std::string> opened;
    bool sound_checked = false;
    platform::sheet_drawing* sheet = nullptr;
    int sheet_changes = 0;
    std::string save_path;
};

class additions : public engine_fixture {
protected:
    additions() {
        settings().seat_is_human = {true, false, false, false};
        window.on_paint = [this] { send(::msg::wm_paint); };
        // The user's folder is this test's own.
        setenv("XDG_CONFIG_HOME", home.path.c_str(), 1);
    }
    ~additions() override { unsetenv("XDG_CONFIG_HOME"); }
    shell::proc_result send(std::uint32_t message, std::uintptr_t wparam = 0, std::intptr_t lparam = 0) {
        return layer.window_proc(message, wparam, lparam);
    }
    void command(std::uint32_t id) { send(::msg::wm_command, id); }
    // A person to choose among (3,7), (4,6) and Double 5.
    void three_choices() {
        start(2);
        engine.dice = {1, 2, 3, 4};
        engine.find_choices();
        engine.phase = choosing;
        engine.rolls_this_turn = 1;
        engine.paint_status_panel();
        forget();
    }
    bool drew(const std::string& line) const {
        return std::find(window.drawing.begin(), window.drawing.end(), line) != window.drawing.end();
    }

    temp_folder home;
    fake_services services;
    companion::additions layer{engine, services, sound};
};

// A person in seat 0 with two columns claimed stops on top of a third.
void win_with_seat_0(game_engine& engine) {
    engine.progress[0][2] = 3;
    engine.progress[0][12] = 3;
    engine.markers[0] = {3, 5};
    engine.rolls_this_turn = 1;
    engine.handle_stop_key();
}

TEST_F(additions, the_set_up_is_remembered_when_a_game_starts_and_restored_at_the_next_start) {
    companion::program_window program(window, layer);
    program.run_dialog(platform::dialog_template::setup);  // no file yet: the defaults stay
    EXPECT_EQ(settings().player_names[0], "Player 1");
    settings().player_names = {"me=you", "Zoë", "  spaced  ", "x"};
    settings().setup_player_count = 3;
    settings().setup_columns_to_win = 4;
    command(companion::msg::cmd_sound);  // off, and remembered at once
    program.run_dialog(platform::dialog_template::setup);
    EXPECT_TRUE(std::filesystem::exists(home.path / "zarvelin" / "settings.txt"));

    // The next start: the run's defaults, then the first set-up dialog.
    settings() = game_settings{};
    settings().player_names = {"Player 1", "Player 2", "Player 3", "Player 4"};
    fake_services next_services;
    headless::headless_sound next_sound;
    companion::additions next_run(engine, next_services, next_sound);
    companion::program_window next_program(window, next_run);
    next_program.run_dialog(platform::dialog_template::setup);
    EXPECT_EQ(settings().player_names, (std::array<std::string, 4>{"me=you", "Zoë", "  spaced  ", "x"}));
    EXPECT_EQ(settings().setup_player_count, 3u);
    EXPECT_EQ(settings().setup_columns_to_win, 4);
    EXPECT_FALSE(next_run.sound_on());
    EXPECT_FALSE(next_services.sound_checked);
    // Only before the run's first dialog: a later one shows the run's own values.
    settings().player_names[0] = "changed";
    next_program.run_dialog(platform::dialog_template::setup);
    EXPECT_EQ(settings().player_names[0], "changed");
}

TEST_F(additions, every_victory_is_recorded_and_the_records_show_best_first) {
    companion::program_window program(window, layer);
    program.run_dialog(platform::dialog_template::setup);
    settings().player_names = {"Ann", "Bob", "", ""};  // as the dialog leaves them
    start(2);
    window.answers = {answer::yes};
    win_with_seat_0(engine);
    command(companion::msg::cmd_records);
    ASSERT_EQ(services.tables.size(), 1u);
    EXPECT_EQ(services.tables[0],
              "Records\n"
              "Player  Played  Won  Fewest turns\n"
              "Ann          1    1             1\n"
              "Bob          1    0             -");
}

TEST_F(additions, a_damaged_records_file_is_set_aside_with_a_message) {
    std::filesystem::create_directories(home.path / "zarvelin");
    { std::ofstream(home.path / "zarvelin" / "records.txt") << "\x01\x02 not records"; }
    start(2);
    window.answers = {answer::no};
    win_with_seat_0(engine);
    ASSERT_GE(window.boxes.size(), 2u);
    EXPECT_EQ(window.boxes[0].caption, "Records");
    EXPECT_NE(window.boxes[0].text.find("records.txt.corrupt-1"), std::string::npos) << window.boxes[0].text;
    EXPECT_TRUE(std::filesystem::exists(home.path / "zarvelin" / "records.txt.corrupt-1"));
    EXPECT_EQ(window.boxes[1].caption, "Victory");
}

TEST_F(additions, the_hint_answers_on_a_persons_turn_only) {
    command(companion::msg::cmd_hint);  // no game
    EXPECT_TRUE(window.boxes.empty());
    start(2);
    command(companion::msg::cmd_hint);
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].caption, "Hint");
    EXPECT_NE(window.boxes[0].text.find("would roll again"), std::string::npos);
    engine.current_player = 1;  // the computer's turn
    command(companion::msg::cmd_hint);
    EXPECT_EQ(window.boxes.size(), 1u);
}

TEST_F(additions, how_to_play_opens_the_page_or_says_where_it_is) {
    command(companion::msg::cmd_how_to_play);
    EXPECT_EQ(services.opened, std::vector<std::string>{"/usr/share/doc/zarvelin/rules.html"});
    EXPECT_TRUE(window.boxes.empty());
    services.browser = false;
    command(companion::msg::cmd_how_to_play);
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].caption, "How to Play");
    EXPECT_NE(window.boxes[0].text.find("/usr/share/doc/zarvelin/rules.html"), std::string::npos);
}

TEST_F(additions, sound_off_silences_every_sound_and_keeps_every_pause) {
    EXPECT_TRUE(services.sound_checked);  // on by default
    start(2);
    next_roll_is({1, 2, 3, 4});
    send(::msg::wm_char, 'r');
    const auto pauses_on = clock.sleeps;
    ASSERT_FALSE(sound.played.empty());
    EXPECT_FALSE(sound.played.back().muted);

    command(companion::msg::cmd_sound);
    EXPECT_FALSE(services.sound_checked);
    EXPECT_FALSE(layer.sound_on());
    start(2);
    next_roll_is({1, 2, 3, 4});
    send(::msg::wm_char, 'r');
    EXPECT_EQ(clock.sleeps, pauses_on);
    ASSERT_EQ(sound.played.size(), 7u);
    for (const auto& call : sound.played) EXPECT_TRUE(call.muted);
    command(companion::msg::cmd_sound);
    EXPECT_TRUE(services.sound_checked);
}

TEST_F(additions, the_arrow_keys_select_a_choice_and_enter_takes_it) {
    three_choices();
    const platform::rect top = engine.button_rects[0];
    const std::string inner_top = "frame_rect " + std::to_string(top.left + 2) + "," +
                                  std::to_string(top.top + 2) + "," + std::to_string(top.right - 2) + "," +
                                  std::to_string(top.bottom - 2) + " brush=00ff00";
    EXPECT_FALSE(send(companion::msg::wm_keydown, companion::msg::vk_down).default_processing);
    EXPECT_TRUE(drew(inner_top)) << "the top box is selected first with Down";
    forget();
    send(::msg::wm_paint);
    EXPECT_TRUE(drew(inner_top)) << "a repaint draws the selection again";
    send(companion::msg::wm_keydown, companion::msg::vk_down);
    send(companion::msg::wm_keydown, companion::msg::vk_down);
    send(companion::msg::wm_keydown, companion::msg::vk_down);  // stays on the last box
    send(::msg::wm_char, ' ');
    EXPECT_EQ(engine.phase, roll_or_stop);
    EXPECT_EQ(engine.markers[0], (marker{5, 2}));  // Double 5, the lowest box
    EXPECT_EQ(engine.markers[1], (marker{}));
}

TEST_F(additions, without_the_arrow_keys_nothing_changes) {
    three_choices();
    send(::msg::wm_char, '\r');  // with three choices Enter does nothing, as described
    EXPECT_EQ(engine.phase, choosing);
    forget();
    send(::msg::wm_paint);
    const auto through_the_additions = window.drawing;
    forget();
    shell::main_window_proc(engine, ::msg::wm_paint, 0, 0);
    EXPECT_EQ(through_the_additions, window.drawing);
    // A click or a key other than the arrows ends a selection: Enter is the described one again.
    send(companion::msg::wm_keydown, companion::msg::vk_up);
    send(::msg::wm_char, '9');  // names no choice, and changes nothing but the selection
    send(::msg::wm_char, '\r');
    EXPECT_EQ(engine.phase, choosing);
}

TEST_F(additions, arrows_do_nothing_on_a_computers_turn_or_outside_a_choice) {
    start(2);
    EXPECT_TRUE(send(companion::msg::wm_keydown, companion::msg::vk_up).default_processing);
    three_choices();
    engine.current_player = 1;
    EXPECT_TRUE(send(companion::msg::wm_keydown, companion::msg::vk_up).default_processing);
    EXPECT_TRUE(window.drawing.empty());
}

}  // namespace
