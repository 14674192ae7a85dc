// The main window's routing: paint, typed characters, both mouse buttons, the
// menu's commands, the close command and the two confirmations, on a real
// engine over the headless platform.
#include "shell/main_window_proc.h"

#include <gtest/gtest.h>

#include "shell/shell_values.h"
#include "shell/window_messages.h"
#include "tests/engine/engine_fixture.h"

namespace {

using platform::answer;

class main_window_proc : public engine_fixture {
protected:
    main_window_proc() {
        settings().seat_is_human = {true, true, false, false};
        shell::quit_prompt = shell::quit_prompt_text;
        window.on_paint = [this] {
            send(msg::wm_paint);
            engine.run_computer_steps();
        };
    }

    shell::proc_result send(std::uint32_t message, std::uintptr_t wparam = 0, std::intptr_t lparam = 0) {
        return shell::main_window_proc(engine, message, wparam, lparam);
    }
    void start_game() {
        engine.new_game(2, 3);
        window.boxes.clear();
        window.dialogs.clear();
        sound.played.clear();
    }
    bool rolled() const { return !sound.played.empty(); }
};

TEST_F(main_window_proc, before_the_first_game_paint_draws_nothing_and_keys_go_to_default_processing) {
    EXPECT_FALSE(send(msg::wm_paint).default_processing);
    EXPECT_TRUE(window.drawing.empty());
    for (std::uintptr_t ch : {'r', '1', '\r', 's'}) EXPECT_TRUE(send(msg::wm_char, ch).default_processing);
    EXPECT_FALSE(send(msg::wm_lbuttondown, 0, msg::make_point_lparam(430, 410)).default_processing);
    EXPECT_FALSE(rolled());
}

TEST_F(main_window_proc, typed_characters_reach_the_engine_only_when_they_mean_something) {
    struct char_case {
        std::uintptr_t ch;
        bool routed, rolls;
    };
    const char_case cases[] = {
        {'r', true, true},   {'R', true, true},   {'\r', true, true},   {' ', true, true},
        {'0', false, false}, {'x', false, false}, {'\t', false, false}, {'q', false, false},
        {'5', true, false},  // a digit outside the choosing phase does nothing, but is the engine's
    };
    for (const char_case& c : cases) {
        SCOPED_TRACE(int(c.ch));
        start_game();
        EXPECT_EQ(send(msg::wm_char, c.ch).default_processing, !c.routed);
        EXPECT_EQ(rolled(), c.rolls);
    }
}

TEST_F(main_window_proc, digits_and_s_reach_their_engine_operations) {
    start_game();
    engine.dice = {1, 3, 4, 6};  // (4, 10), (5, 9) and (7, 7)
    engine.find_choices();
    engine.phase = choosing;
    engine.rolls_this_turn = 1;
    EXPECT_FALSE(send(msg::wm_char, '9').default_processing);
    EXPECT_EQ(engine.markers[0].column, 5u);
    EXPECT_EQ(engine.markers[1].column, 9u);

    EXPECT_FALSE(send(msg::wm_char, 'S').default_processing);
    EXPECT_EQ(engine.progress[0][5], 1u);
    EXPECT_EQ(engine.current_player, 1u);
}

TEST_F(main_window_proc, both_mouse_buttons_click_at_the_packed_coordinates) {
    for (std::uint32_t button : {msg::wm_lbuttondown, msg::wm_rbuttondown}) {
        start_game();
        EXPECT_FALSE(send(button, 0, msg::make_point_lparam(300, 300)).default_processing);
        EXPECT_FALSE(rolled()) << "outside the Roll button";
        send(button, 0, msg::make_point_lparam(430, 410));
        EXPECT_TRUE(rolled()) << "on the Roll button";
    }
}

TEST_F(main_window_proc, new_game_asks_to_confirm_while_a_game_runs) {
    // Before any game: straight to the set-up dialog and a game.
    EXPECT_FALSE(send(msg::wm_command, msg::cmd_new_game).default_processing);
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_EQ(window.dialogs, std::vector{platform::dialog_template::setup});
    EXPECT_EQ(engine.game_state, playing);

    start_game();
    send(msg::wm_char, 'r');
    window.answers = {answer::cancel};
    send(msg::wm_command, msg::cmd_new_game);
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].text, "Are you sure you want to quit this game?");
    EXPECT_EQ(window.boxes[0].caption, "Confirm Restart");
    EXPECT_EQ(window.boxes[0].buttons, platform::buttons::ok_cancel);
    EXPECT_EQ(window.boxes[0].icon, platform::icon::question);
    EXPECT_TRUE(window.dialogs.empty());
    EXPECT_EQ(engine.rolls_this_turn, 1u) << "the game goes on untouched";

    window.answers = {answer::ok};
    window.on_dialog = [](platform::dialog_template) { settings().setup_columns_to_win = 5; };
    send(msg::wm_command, msg::cmd_new_game);
    EXPECT_EQ(window.dialogs, std::vector{platform::dialog_template::setup});
    EXPECT_EQ(engine.rolls_this_turn, 0u);
    EXPECT_EQ(engine.columns_to_win, 5u);
}

TEST_F(main_window_proc, exit_and_the_close_command_confirm_while_a_game_runs) {
    for (std::uintptr_t close_wparam : {msg::sc_close, msg::sc_close | 0x3}) {
        SCOPED_TRACE(close_wparam);
        start_game();
        window.quit_posted = false;
        window.answers = {answer::cancel};
        EXPECT_FALSE(send(msg::wm_syscommand, close_wparam).default_processing);
        ASSERT_EQ(window.boxes.size(), 1u);
        EXPECT_EQ(window.boxes[0].caption, "Confirm Quit");
        EXPECT_EQ(window.boxes[0].text, shell::quit_prompt_text);
        EXPECT_FALSE(window.quit_posted);

        window.answers = {answer::ok};
        send(msg::wm_command, msg::cmd_exit);
        EXPECT_TRUE(window.quit_posted);
        EXPECT_EQ(window.exit_code, 0);
    }
}

TEST_F(main_window_proc, quitting_before_a_game_asks_nothing) {
    send(msg::wm_command, msg::cmd_exit);
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_TRUE(window.quit_posted);
}

TEST_F(main_window_proc, about_other_commands_other_system_commands_and_other_messages) {
    start_game();
    EXPECT_FALSE(send(msg::wm_command, msg::cmd_about).default_processing);
    EXPECT_EQ(window.dialogs, std::vector{platform::dialog_template::about});
    EXPECT_TRUE(window.boxes.empty());

    EXPECT_FALSE(send(msg::wm_command, 40004).default_processing);
    constexpr std::uintptr_t sc_minimize = 0xF020;
    EXPECT_TRUE(send(msg::wm_syscommand, sc_minimize).default_processing);
    constexpr std::uint32_t wm_mousemove = 0x0200;
    EXPECT_TRUE(send(wm_mousemove, 0, msg::make_point_lparam(430, 410)).default_processing);
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_FALSE(window.quit_posted);
    EXPECT_FALSE(rolled());
}

TEST_F(main_window_proc, a_window_destroyed_from_outside_ends_the_run) {
    start_game();
    send(msg::wm_destroy);
    EXPECT_TRUE(window.quit_posted);
    EXPECT_TRUE(window.boxes.empty());
}

}  // namespace
