#include "fltk_desktop.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cstdio>
#include <string>

#include "message_box.h"
#include "scale.h"
#include "shell/shell_values.h"

namespace fltk_backend {

bool fltk_desktop::read_screen_size(int& width, int& height) {
    // FLTK would end the process itself on a missing display; open it here to report it.
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    fl_open_display(display);
    display_open_ = true;
    choose_scale(display);
    width = screen_width_ = Fl::w();
    height = screen_height_ = Fl::h();
    return true;
}

std::string fltk_desktop::load_quit_prompt() { return shell::quit_prompt_text; }

// The F1 and F2 accelerators are the menu items' shortcuts, set when the menu
// is built with the window: there is no table to load.
bool fltk_desktop::load_accelerators() { return true; }

devices fltk_desktop::engine_devices() {
    sound_ = std::make_unique<sdl_sound>();
    return {&graphics_, sound_.get(), &clock_};
}

// FLTK has no window classes: the class name and background are set on the window itself.
bool fltk_desktop::register_window_class() { return true; }

platform::window* fltk_desktop::create_main_window() {
    window_ = std::make_unique<main_window>(engine_, *sound_);
    program_window_ = std::make_unique<companion::program_window>(*window_, window_->additions());
    return program_window_.get();
}

fltk_desktop::~fltk_desktop() {
    if (instance_.request_fd() >= 0) Fl::remove_fd(instance_.request_fd());
}

void fltk_desktop::mark_running_instance() {
    if (instance_.request_fd() >= 0) Fl::add_fd(instance_.request_fd(), FL_READ, serve_later_copies, this);
}

void fltk_desktop::serve_later_copies(int, void* data) {
    auto* self = static_cast<fltk_desktop*>(data);
    self->instance_.serve([self] { self->window_->raise(); });
}

void fltk_desktop::show_main_window() { window_->show_centred(screen_width_, screen_height_); }

void fltk_desktop::show_error(std::string_view text) {
    std::fprintf(stderr, "zarvelin: %.*s\n", int(text.size()), text.data());
    if (display_open_) {
        message_box(window_ ? &window_->widget() : nullptr, text, "Error", platform::buttons::ok,
                    platform::icon::none);
    }
}

}  // namespace fltk_backend
