// The headless backend: a window whose canvases record every drawing call as a
// line of text (or draw nothing at all), message boxes answered from a script
// and recorded, recorded sounds and a virtual clock. Tests and the match
// runner run the real engine on it.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/window.h"

namespace headless {

struct message_box_call {
    std::string text, caption;
    platform::buttons buttons;
    platform::icon icon;
};

struct sound_call {
    platform::sound_id which;
    bool wait;
    bool muted = false;
    friend bool operator==(const sound_call&, const sound_call&) = default;
};

class headless_window final : public platform::window {
public:
    // With recording off, canvases draw nothing and the window keeps no drawing,
    // box or dialog: a long run (the match runner) holds no memory per game.
    explicit headless_window(bool record = true) : record_(record) {}

    std::unique_ptr<platform::canvas> get_canvas() override;
    void invalidate_and_update() override;
    platform::answer message_box(std::string_view text, std::string_view caption, platform::buttons b,
                                 platform::icon i) override;
    void run_dialog(platform::dialog_template which) override;
    void post_quit(int exit_code) override;

    // What a repaint runs (the shell's paint handler, or the engine's paint_all).
    std::function<void()> on_paint;
    // What running a dialog does; by default nothing happens beyond the record.
    std::function<void(platform::dialog_template)> on_dialog;
    // Answers given to message boxes in order; when the script runs out, the
    // answerer decides, and without one the box is answered with Cancel or No.
    std::deque<platform::answer> answers;
    std::function<platform::answer(const message_box_call&)> answerer;

    // Every drawing call as one line, e.g. "rectangle 27,150,52,175 brush=a00000 pen=000000/1".
    std::vector<std::string> drawing;
    std::vector<message_box_call> boxes;
    std::vector<platform::dialog_template> dialogs;
    int invalidations = 0;
    bool quit_posted = false;
    int exit_code = 0;

private:
    bool record_;
};

class headless_graphics final : public platform::graphics {
public:
    explicit headless_graphics(int bits_per_pixel = 32) : bits_(bits_per_pixel) {}
    platform::brush make_brush(platform::colour c) override;
    platform::pen make_pen(platform::colour c, int width) override;
    void delete_brush(platform::brush& b) override;
    void delete_pen(platform::pen& p) override;
    int screen_bits_per_pixel() override { return bits_; }
    // A stand-in for a palette screen: every channel rounded down to a multiple of 64.
    platform::colour nearest_colour(platform::colour c) override;

    int live_objects = 0;  // made and not yet deleted

private:
    int bits_;
};

class headless_sound final : public platform::sound {
public:
    explicit headless_sound(bool record = true) : record_(record) {}
    void play(platform::sound_id which, bool wait) override;
    void set_muted(bool muted) override { muted_ = muted; }
    std::vector<sound_call> played;

private:
    bool record_;
    bool muted_ = false;
};

// Sleeps return at once and are recorded; time moves only by sleeps and by
// advance(), so a test says exactly when each click comes.
class virtual_clock final : public platform::clock {
public:
    explicit virtual_clock(bool record = true) : record_(record) {}
    void sleep(int milliseconds) override;
    std::uint32_t input_time() override { return now_ms_; }
    platform::double_click double_click_setting() override { return double_click; }
    void advance(int milliseconds) { now_ms_ += std::uint32_t(milliseconds); }

    std::vector<int> sleeps;
    // The Windows defaults.
    platform::double_click double_click{500, 2, 2};
    // What happens while a sleep of this many ms lasts (a paint request served meanwhile, say).
    std::function<void(int)> during_sleep;

private:
    bool record_;
    std::uint32_t now_ms_ = 0;
};

}  // namespace headless
