// A modal dialog built with FLTK widgets from a template, its controls laid
// out by converting dialog units to pixels for the font used; the shell's
// dialog procedure sees it through shell::dialog.
#pragma once

#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "dialog_templates.h"
#include "shell/dialog.h"

namespace fltk_backend {

using dialog_proc = bool (*)(shell::dialog&, std::uint32_t, std::uintptr_t, std::intptr_t);

// Builds the dialog, sends it WM_INITDIALOG and runs it modally until the
// procedure ends it.
void run_template_dialog(const dialog_template_data& data, dialog_proc proc);

class fltk_dialog final : public shell::dialog {
public:
    fltk_dialog(const dialog_template_data& data, dialog_proc proc);
    void run();

    void check(int id, bool checked) override;
    bool is_checked(int id) override;
    void set_text(int id, std::string_view text) override;
    std::string text(int id) override;
    shell::text_encoding encoding() override { return shell::text_encoding::utf8; }
    void enable(int id, bool enabled) override;
    void end(int result) override;
    platform::rect outer_rect() override;
    void move(int left, int top) override;
    void focus_first_control() override;
    platform::answer message_box(std::string_view text, std::string_view caption, platform::buttons b,
                                 platform::icon i) override;

private:
    static void on_control(Fl_Widget* w, void* data);
    static void on_close(Fl_Widget* w, void* data);
    void send(std::uint32_t message, std::uintptr_t wparam);
    Fl_Widget* control(int id) const;

    dialog_proc proc_;
    std::unique_ptr<Fl_Window> window_;
    std::vector<Fl_Widget*> controls_;  // template order; the window owns them
    std::map<int, Fl_Widget*> by_id_;
    bool ended_ = false;
};

}  // namespace fltk_backend
