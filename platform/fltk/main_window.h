// The main window "Zarvelin": the menu bar above a 528 by 430 drawing area
// whose pixels are the board's client coordinates. Events become the Windows
// messages the shell's main_window_proc routes; the engine draws into the area
// at any time through get_canvas().
#pragma once

#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Window.H>

#include <memory>

#include "companion/additions.h"
#include "desktop_services.h"
#include "owner_window.h"
#include "platform/window.h"
#include "sheet_window.h"

class game_engine;

namespace fltk_backend {

class board_area;

class main_window final : public platform::window {
public:
    // At the described size; on a scaled screen each is that many times larger.
    static constexpr int client_width = 528, client_height = 430, menu_height = 25;

    main_window(game_engine& engine, platform::sound& sound);
    ~main_window() override;

    std::unique_ptr<platform::canvas> get_canvas() override;
    void invalidate_and_update() override;
    platform::answer message_box(std::string_view text, std::string_view caption, platform::buttons b,
                                 platform::icon i) override;
    void run_dialog(platform::dialog_template which) override;
    void post_quit(int exit_code) override;

    void show_centred(int screen_width, int screen_height);
    // Shows the window in its normal size and brings it, and any box open over it, to the front.
    void raise();
    bool has_menu() const { return file_menu_ != nullptr && help_menu_ != nullptr; }
    // Handles events until post_quit, and runs a quick computer's due steps one
    // per turn of the loop, serving the window between them.
    int run_message_loop();
    Fl_Window& widget() { return *window_; }
    companion::additions& additions() { return *additions_; }
    // A message to the window: through the additions to the described routing.
    shell::proc_result send(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam = 0);

private:
    static void on_menu(Fl_Widget*, void* command);
    static void on_close(Fl_Widget*, void* self);

    game_engine& engine_;
    std::unique_ptr<owner_window> window_;
    Fl_Menu_Bar* file_menu_ = nullptr;
    Fl_Menu_Bar* game_menu_ = nullptr;
    Fl_Menu_Bar* help_menu_ = nullptr;
    board_area* board_ = nullptr;
    std::unique_ptr<sheet_window> sheet_;
    std::unique_ptr<desktop_services> services_;
    std::unique_ptr<companion::additions> additions_;
    bool quit_posted_ = false;
    int exit_code_ = 0;
};

}  // namespace fltk_backend
