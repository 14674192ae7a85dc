#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

#include <vector>

// The match runner plays tens of thousands of games on devices that do not
// record: they still paint, answer and run dialogs, but keep nothing.
TEST(unrecorded_devices, answer_and_paint_but_keep_nothing) {
    headless::headless_window window(false);
    headless::headless_sound sound(false);
    headless::virtual_clock clock(false);
    int painted = 0, asked = 0;
    std::vector<platform::dialog_template> run;
    window.on_paint = [&] { ++painted; };
    window.on_dialog = [&](platform::dialog_template which) { run.push_back(which); };
    window.answers = {platform::answer::yes};
    window.answerer = [&](const headless::message_box_call& call) {
        EXPECT_EQ(call.text, "Play again?");
        ++asked;
        return platform::answer::no;
    };

    std::vector<platform::answer> answers;
    for (int game = 0; game < 3; ++game) {
        window.get_canvas()->rectangle({1, 2, 3, 4});
        window.invalidate_and_update();
        answers.push_back(
            window.message_box("Play again?", "Victory", platform::buttons::yes_no, platform::icon::warning));
        window.run_dialog(platform::dialog_template::setup);
        sound.play(platform::sound_id::click, false);
        clock.sleep(100);
    }

    EXPECT_EQ(answers, (std::vector{platform::answer::yes, platform::answer::no, platform::answer::no}));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(painted, 3);
    EXPECT_EQ(window.invalidations, 3);
    EXPECT_EQ(run.size(), 3u);
    EXPECT_TRUE(window.drawing.empty());
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_TRUE(window.dialogs.empty());
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(clock.sleeps.empty());
}
