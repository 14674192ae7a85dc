// The additions between the window and the described routing: the hint on a
// person's turn only, How to Play, the sound switch, and choosing with the
// arrow keys; everything else reaches the described routing unchanged.
#include "companion/additions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "companion/companion_messages.h"
#include "companion/program_window.h"
#include "players/engine_game_view.h"
#include "shell/window_messages.h"
#include "strategy/s5_player.h"
#include "tests/companion/fake_companion_host.h"
#include "tests/companion/temp_folder.h"
#include "tests/engine/engine_fixture.h"

namespace {

using platform::answer;

using fake_services = fakes::companion_host;


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
              "Player  Kind               Played  Won  Fewest turns\n"
              "Ann     person                  1    1             1\n"
              "Bob     standard computer       1    0             -");
}

TEST_F(additions, a_computers_victory_is_recorded_apart_from_a_person_of_the_same_name_with_its_level) {
    settings().player_names = {"Bob", "Bob", "", ""};
    command(companion::msg::cmd_level_expert);
    start(2);
    place({{4, 2}});  // the person banks a little; the computer's turn starts
    engine.rolls_this_turn = 1;
    engine.handle_stop_key();
    ASSERT_EQ(engine.current_player, 1u);
    command(companion::msg::cmd_level_easy);  // not for the game under way
    engine.progress[1][2] = 3;
    engine.progress[1][12] = 3;
    place({{3, 5}});
    engine.rolls_this_turn = 1;
    window.answers = {answer::no};
    engine.stop();  // as the computer's step does
    command(companion::msg::cmd_records);
    ASSERT_EQ(services.tables.size(), 1u);
    EXPECT_EQ(services.tables[0],
              "Records\n"
              "Player  Kind             Played  Won  Fewest turns\n"
              "Bob     expert computer       1    1             1\n"
              "Bob     person                1    0             -");
}

TEST_F(additions, the_game_menu_checks_one_level_and_the_next_game_plays_it) {
    const auto levels_checked = [this] {
        return std::array<bool, 3>{services.checked[companion::msg::cmd_level_easy],
                                   services.checked[companion::msg::cmd_level_standard],
                                   services.checked[companion::msg::cmd_level_expert]};
    };
    EXPECT_EQ(levels_checked(), (std::array<bool, 3>{false, true, false}));
    start(2);
    game_player* const person = engine.view->player(0);
    game_player* const standard = engine.view->player(1);
    EXPECT_NE(dynamic_cast<s5_player*>(standard), nullptr);

    command(companion::msg::cmd_level_expert);
    EXPECT_EQ(levels_checked(), (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(layer.level(), computer_level::expert);
    EXPECT_EQ(engine.view->player(1), standard) << "the game under way keeps its computer";
    start(2);
    EXPECT_EQ(dynamic_cast<s5_player*>(engine.view->player(1)), nullptr)
        << "the next game's computer is the expert";
    EXPECT_NE(dynamic_cast<s5_player*>(engine.view->player(0)), nullptr)
        << "a person's seat keeps the described player";
    game_player* const expert = engine.view->player(1);
    start(2);
    EXPECT_EQ(engine.view->player(1), expert) << "kept while the level and the seats stay";

    command(companion::msg::cmd_level_easy);
    command(companion::msg::cmd_level_easy);  // choosing the checked level keeps it checked
    EXPECT_EQ(levels_checked(), (std::array<bool, 3>{true, false, false}));
    std::ifstream file(home.path / "zarvelin" / "settings.txt");
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\ncomputer=easy\n"), std::string::npos) << text;

    command(companion::msg::cmd_level_standard);
    start(2);
    EXPECT_NE(dynamic_cast<s5_player*>(engine.view->player(1)), nullptr);
    EXPECT_NE(person, nullptr);
}

TEST_F(additions, at_the_standard_level_the_seats_keep_their_players_from_game_to_game) {
    start(2);
    const std::vector<game_player*> first{engine.view->player(0), engine.view->player(1)};
    settings().seat_is_human = {false, true, false, false};
    command(companion::msg::cmd_take_turns_starting);
    command(companion::msg::cmd_take_turns_starting);
    command(companion::msg::cmd_level_standard);
    start(2);
    EXPECT_EQ((std::vector<game_player*>{engine.view->player(0), engine.view->player(1)}), first);
}

TEST_F(additions, taking_turns_to_start_is_checked_remembered_and_rotates_the_next_games) {
    settings().seat_is_human = {true, true, true, true};  // no computer moves between the games
    EXPECT_FALSE(services.checked[companion::msg::cmd_take_turns_starting]);
    start(3);
    EXPECT_EQ(engine.current_player, 0u);
    command(companion::msg::cmd_take_turns_starting);
    EXPECT_TRUE(services.checked[companion::msg::cmd_take_turns_starting]);
    std::vector<std::uint32_t> first_seats;
    for (int game = 0; game < 4; ++game) {
        start(3);
        first_seats.push_back(engine.current_player);
    }
    start(2);  // fewer seats: the seat after the last, around the table
    first_seats.push_back(engine.current_player);
    EXPECT_EQ(first_seats, (std::vector<std::uint32_t>{1, 2, 0, 1, 0}));
    // Play again after a victory is a new game too.
    start(2);
    ASSERT_EQ(engine.current_player, 1u);
    engine.progress[1][2] = 3;
    engine.progress[1][12] = 3;
    place({{3, 5}});
    engine.rolls_this_turn = 1;
    window.answers = {answer::yes};
    engine.handle_stop_key();
    EXPECT_EQ(engine.current_player, 0u);

    fake_services next_services;
    headless::headless_sound next_sound;
    companion::additions next_run(engine, next_services, next_sound);
    companion::program_window(window, next_run).run_dialog(platform::dialog_template::setup);
    EXPECT_TRUE(next_run.take_turns_starting());
    EXPECT_TRUE(next_services.checked[companion::msg::cmd_take_turns_starting]);
}

TEST_F(additions, help_hint_is_greyed_while_no_hint_can_be_given) {
    const auto hint_enabled = [this] { return services.enabled.at(companion::msg::cmd_hint); };
    EXPECT_FALSE(hint_enabled());  // no game yet
    start(2);
    EXPECT_TRUE(hint_enabled());
    place({{4, 2}});
    engine.rolls_this_turn = 1;
    engine.handle_stop_key();  // the computer's turn, its step not yet run
    EXPECT_FALSE(hint_enabled());
    engine.run_computer_steps();
    EXPECT_EQ(engine.current_player, 0u);
    EXPECT_TRUE(hint_enabled());
}

TEST_F(additions, a_start_removes_the_copy_a_killed_run_left_behind) {
    const std::filesystem::path left = home.path / "zarvelin" / "records.txt.tmp-Ab12Cd";
    std::filesystem::create_directories(left.parent_path());
    { std::ofstream(left) << "a private copy of someone's records"; }
    std::filesystem::last_write_time(left,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    companion::program_window program(window, layer);
    program.run_dialog(platform::dialog_template::setup);
    EXPECT_FALSE(std::filesystem::exists(left));
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
    EXPECT_NE(window.boxes[0].text.find("nothing at risk yet"), std::string::npos);
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
    // The selection stands out: two pixels in the text's colour (white), not the box's green.
    const platform::rect top = engine.button_rects[0];
    auto inner_top = [&top](int inset) {
        return "frame_rect " + std::to_string(top.left + inset) + "," + std::to_string(top.top + inset) +
               "," + std::to_string(top.right - inset) + "," + std::to_string(top.bottom - inset) +
               " brush=ffffff";
    };
    EXPECT_FALSE(send(companion::msg::wm_keydown, companion::msg::vk_down).default_processing);
    EXPECT_TRUE(drew(inner_top(1)) && drew(inner_top(2))) << "the top box is selected first with Down";
    forget();
    send(::msg::wm_paint);
    EXPECT_TRUE(drew(inner_top(1)) && drew(inner_top(2))) << "a repaint draws the selection again";
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
