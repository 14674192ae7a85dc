// The main window as the shell sees it: the desktop's own window, except that
// the set-up dialog is framed by the remembered set-up, restored before the
// first one of the run and remembered after each, when a game starts.
#pragma once

#include "platform/window.h"

namespace companion {

class additions;

class program_window final : public platform::window {
public:
    program_window(platform::window& inner, additions& around) : inner_(inner), additions_(around) {}

    std::unique_ptr<platform::canvas> get_canvas() override { return inner_.get_canvas(); }
    void invalidate_and_update() override { inner_.invalidate_and_update(); }
    platform::answer message_box(std::string_view text, std::string_view caption, platform::buttons b,
                                 platform::icon i) override {
        return inner_.message_box(text, caption, b, i);
    }
    void run_dialog(platform::dialog_template which) override;
    void post_quit(int exit_code) override { inner_.post_quit(exit_code); }

private:
    platform::window& inner_;
    additions& additions_;
};

}  // namespace companion
