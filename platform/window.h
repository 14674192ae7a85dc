// The services the game asks of the desktop: a window to draw into and to own
// message boxes, drawing objects, sounds and pauses. Each maps one to one onto
// the Windows API; the FLTK and headless backends stand in for it elsewhere.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/canvas.h"

namespace platform {

enum class buttons { ok, ok_cancel, yes_no };
enum class icon { none, warning, question };
enum class answer { ok, cancel, yes, no };

// The dialog templates the program carries.
enum class dialog_template { about = 109, setup = 110 };

class window {
public:
    virtual ~window() = default;
    // GetDC on the client area; the canvas releases it when destroyed.
    virtual std::unique_ptr<canvas> get_canvas() = 0;
    // Invalidate the whole client area, erasing the background, and repaint at once.
    virtual void invalidate_and_update() = 0;
    // Modal, owned by this window; the answer is the button pressed.
    virtual answer message_box(std::string_view text, std::string_view caption, buttons b, icon i) = 0;
    // Run one of the program's dialogs modally, owned by this window.
    virtual void run_dialog(dialog_template which) = 0;
    // End the message loop with this exit code once control returns to it.
    virtual void post_quit(int exit_code) = 0;
};

// Brushes and pens, made once and deleted at exit.
class graphics {
public:
    virtual ~graphics() = default;
    virtual brush make_brush(colour c) = 0;
    virtual pen make_pen(colour c, int width) = 0;
    virtual void delete_brush(brush& b) = 0;
    virtual void delete_pen(pen& p) = 0;
    // The screen's colour depth and the nearest colour it can show.
    virtual int screen_bits_per_pixel() = 0;
    virtual colour nearest_colour(colour c) = 0;
};

// The program's two WAVE resources.
enum class sound_id { click = 104, bust = 105 };

class sound {
public:
    virtual ~sound() = default;
    // Synchronous play returns when the sound has ended; asynchronous play
    // returns at once and is cut off by the next sound.
    virtual void play(sound_id which, bool wait) = 0;
    // Muted, nothing is heard, and a synchronous play still lasts the sound's length.
    virtual void set_muted(bool muted) = 0;
};

// The desktop's own double-click setting: a second click within this time of
// the first, and within this distance of it either way, makes a double-click.
struct double_click {
    int time_ms;
    int dx, dy;  // in the board's client coordinates
};

class clock {
public:
    virtual ~clock() = default;
    virtual void sleep(int milliseconds) = 0;
    // The time of the input now being handled, as the desktop stamped it, in
    // milliseconds; only the difference of two such times means anything.
    virtual std::uint32_t input_time() = 0;
    virtual double_click double_click_setting() = 0;
};

}  // namespace platform
