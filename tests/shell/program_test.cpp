// The entry sequence: its order, the second copy, and the start-up failures.
#include "shell/program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_settings.h"
#include "platform/headless/headless_platform.h"
#include "shell/shell_values.h"

namespace {

class fake_desktop final : public shell::desktop {
public:
    explicit fake_desktop(game_engine& engine) : engine_(engine) {
        window.on_paint = [&engine] { engine.paint_all(); };
        window.on_dialog = [this](platform::dialog_template) {
            steps.push_back("setup dialog");
            settings().setup_columns_to_win = 2;
        };
    }
    bool raise_running_copy() override { return step("find running copy", another_copy); }
    bool read_screen_size(int& w, int& h) override {
        w = 1280, h = 1024;
        return step("screen size", fail != "screen size");
    }
    std::string load_quit_prompt() override {
        steps.push_back("quit prompt");
        return "prompt";
    }
    bool load_accelerators() override { return step("accelerators", fail != "accelerators"); }
    devices engine_devices() override {
        steps.push_back("devices");
        return {&graphics, &sound, &clock};
    }
    bool register_window_class() override { return step("class", fail != "class"); }
    platform::window* create_main_window() override {
        step("window", true);
        return fail == "window" ? nullptr : &window;
    }
    void mark_running_instance() override { steps.push_back("mark"); }
    bool has_menu() override { return step("menu", fail != "menu"); }
    void show_main_window() override { steps.push_back("show"); }
    int run_message_loop(game_engine& e) override {
        steps.push_back("loop");
        playing_in_loop = e.game_state == playing;
        live_objects_in_loop = graphics.live_objects;
        return 7;
    }
    void show_error(std::string_view text) override { errors.emplace_back(text); }

    bool step(const char* name, bool ok) {
        steps.emplace_back(name);
        return ok;
    }

    bool another_copy = false;
    std::string fail;
    std::vector<std::string> steps, errors;
    bool playing_in_loop = false;
    int live_objects_in_loop = 0;
    headless::headless_window window;
    headless::headless_graphics graphics;
    headless::headless_sound sound;
    headless::virtual_clock clock;

private:
    game_engine& engine_;
};

class program : public ::testing::Test {
protected:
    program() {
        settings() = game_settings{};
        shell::quit_prompt.clear();
    }
    game_engine engine;
    fake_desktop desktop{engine};
};

TEST_F(program, starts_in_order_runs_the_first_game_and_releases_the_drawing_objects) {
    EXPECT_EQ(shell::run_program(desktop, engine), 7) << "the loop's exit code";
    EXPECT_EQ(desktop.steps, (std::vector<std::string>{"find running copy", "screen size", "quit prompt",
                                                       "accelerators", "devices", "class", "window", "mark",
                                                       "menu", "show", "setup dialog", "loop"}));
    EXPECT_EQ(shell::screen_width, 1280);
    EXPECT_EQ(shell::screen_height, 1024);
    EXPECT_EQ(shell::quit_prompt, "prompt");
    EXPECT_EQ(settings().player_names,
              (std::array<std::string, 4>{"Player 1", "Player 2", "Player 3", "Player 4"}));
    EXPECT_EQ(engine.window, &desktop.window);
    EXPECT_TRUE(desktop.playing_in_loop);
    EXPECT_EQ(engine.columns_to_win, 2u) << "the game uses the dialog's settings";
    EXPECT_GT(desktop.live_objects_in_loop, 0);
    EXPECT_EQ(desktop.graphics.live_objects, 0);
    EXPECT_TRUE(desktop.errors.empty());
}

TEST_F(program, a_second_copy_only_raises_the_first_and_exits_0) {
    desktop.another_copy = true;
    EXPECT_EQ(shell::run_program(desktop, engine), 0);
    EXPECT_EQ(desktop.steps, std::vector<std::string>{"find running copy"});
    EXPECT_EQ(settings().player_names[0], "") << "not even the settings are touched";
}

TEST(program_failures, end_with_their_message_and_a_failure_status) {
    const std::pair<const char*, const char*> cases[] = {
        {"screen size", "Cannot open the display"},
        {"accelerators", "Cannot LoadAccelerators"},
        {"class", "Cannot RegisterClass"},
        {"window", "Can't CreateWindow"},
        {"menu", "Can't GetMenu"},
    };
    for (auto [failing, message] : cases) {
        SCOPED_TRACE(failing);
        game_engine engine;
        fake_desktop desktop(engine);
        desktop.fail = failing;
        EXPECT_EQ(shell::run_program(desktop, engine), shell::exit_start_failed);
        EXPECT_EQ(desktop.errors, std::vector<std::string>{message});
        EXPECT_EQ(desktop.steps.back(), failing) << "nothing runs after the failure";
        EXPECT_TRUE(desktop.window.dialogs.empty());
    }
}

}  // namespace
