// The entry sequence's steps on an X display with FLTK and SDL2.
#pragma once

#include <memory>

#include "companion/program_window.h"
#include "fltk_graphics.h"
#include "main_window.h"
#include "sdl_sound.h"
#include "shell/desktop.h"
#include "single_instance.h"
#include "system_clock.h"

namespace fltk_backend {

class fltk_desktop final : public shell::desktop {
public:
    explicit fltk_desktop(game_engine& engine) : engine_(engine) {}
    ~fltk_desktop() override;

    bool raise_running_copy() override { return instance_.raise_running_copy(); }
    bool read_screen_size(int& width, int& height) override;
    std::string load_quit_prompt() override;
    bool load_accelerators() override;
    devices engine_devices() override;
    bool register_window_class() override;
    platform::window* create_main_window() override;
    void mark_running_instance() override;
    bool has_menu() override { return window_ && window_->has_menu(); }
    void show_main_window() override;
    bool resume_unfinished_game() override { return window_->additions().resume_unfinished_game(); }
    int run_message_loop(game_engine&) override { return window_->run_message_loop(); }
    void show_error(std::string_view text) override;

private:
    static void serve_later_copies(int fd, void* self);

    game_engine& engine_;
    single_instance instance_;
    bool display_open_ = false;
    int screen_width_ = 0, screen_height_ = 0;
    fltk_graphics graphics_;
    std::unique_ptr<sdl_sound> sound_;
    system_clock clock_;
    std::unique_ptr<main_window> window_;
    // What the shell and the engine are given: the window with the remembered set-up around its dialog.
    std::unique_ptr<companion::program_window> program_window_;
};

}  // namespace fltk_backend
