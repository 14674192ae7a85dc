#include "fltk_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_draw.H>

#include "message_box.h"
#include "owner_window.h"
#include "plain_label.h"
#include "scale.h"
#include "shell/window_messages.h"

namespace fltk_backend {

namespace {

constexpr Fl_Font dialog_font = FL_HELVETICA;
constexpr Fl_Fontsize dialog_font_size = 12;
// The layout is measured with a slightly larger size than the text is drawn
// in: this font runs wider than the templates' font, and the labels must fit.
constexpr Fl_Fontsize layout_font_size = 14;

// Dialog base units of the font: the average character width and the height.
struct base_units {
    int x, y;
};

base_units font_base_units() {
    fl_font(dialog_font, layout_font_size * scale());
    const char* letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    return {int(fl_width(letters) / 52 + 0.5), fl_height()};
}

// The default push button: Enter, on the main keyboard or the keypad, presses
// it wherever the focus is; a dark frame marks it, as on Windows.
class default_button final : public Fl_Button {
public:
    default_button(int x, int y, int w, int h) : Fl_Button(x, y, w, h) {}
    int handle(int event) override {
        if (event == FL_SHORTCUT && (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
            simulate_key_action();
            do_callback();
            return 1;
        }
        return Fl_Button::handle(event);
    }
    void draw() override {
        Fl_Button::draw();
        fl_color(FL_BLACK);
        fl_rect(x(), y(), w(), h());
    }
};

Fl_Widget* make_control(const control_template& c, base_units u) {
    const int x = c.x * u.x / 4, y = c.y * u.y / 8, w = c.width * u.x / 4, h = c.height * u.y / 8;
    Fl_Widget* widget = nullptr;
    switch (c.kind) {
        case control_kind::default_button:
            widget = new default_button(x, y, w, h);
            break;
        case control_kind::edit:
            widget = new Fl_Input(x, y, w, h);
            break;
        case control_kind::radio: {
            auto* radio = new Fl_Round_Button(x, y, w, h);
            radio->visible_focus(0);  // the radio buttons carry no tab stop
            widget = radio;
            break;
        }
        case control_kind::label: {
            widget = new Fl_Box(x, y, w, h);
            // Statics taller than one line wrap within their box.
            const Fl_Align wrap = c.height > 10 ? FL_ALIGN_WRAP : 0;
            widget->align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | wrap);
            widget->labeltype(plain_label());  // a path may hold an '@'
            break;
        }
    }
    widget->copy_label(c.text);
    widget->labelfont(dialog_font);
    widget->labelsize(dialog_font_size * scale());
    if (auto* input = dynamic_cast<Fl_Input*>(widget)) input->textsize(dialog_font_size * scale());
    return widget;
}

}  // namespace

void run_template_dialog(const dialog_template_data& data, dialog_proc proc) {
    fltk_dialog dialog(data, proc);
    dialog.run();
}

fltk_dialog::fltk_dialog(const dialog_template_data& data, dialog_proc proc) : proc_(proc) {
    const base_units u = font_base_units();
    window_ = std::make_unique<owner_window>(data.width * u.x / 4, data.height * u.y / 8);
    window_->copy_label(data.caption);
    window_->callback(on_close, this);
    for (const control_template& c : data.controls) {
        Fl_Widget* widget = make_control(c, u);
        controls_.push_back(widget);
        if (c.id == 0) continue;
        by_id_[c.id] = widget;
        if (c.kind != control_kind::edit) widget->callback(on_control, this);
    }
    window_->end();
}

void fltk_dialog::run() {
    send(msg::wm_initdialog, 0);
    run_modal(*window_, ended_);
}

void fltk_dialog::send(std::uint32_t message, std::uintptr_t wparam) { proc_(*this, message, wparam, 0); }

void fltk_dialog::on_control(Fl_Widget* w, void* data) {
    auto* self = static_cast<fltk_dialog*>(data);
    // An automatic radio button is checked by its click, even when it already was.
    if (auto* radio = dynamic_cast<Fl_Round_Button*>(w)) radio->value(1);
    for (const auto& [id, widget] : self->by_id_) {
        if (widget == w) return self->send(msg::wm_command, std::uintptr_t(id));
    }
}

void fltk_dialog::on_close(Fl_Widget*, void* data) {
    // FLTK closes a window on Esc as well; the dialogs have no cancel command, so Esc does nothing.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    static_cast<fltk_dialog*>(data)->send(msg::wm_close, 0);
}

Fl_Widget* fltk_dialog::control(int id) const {
    auto it = by_id_.find(id);
    return it == by_id_.end() ? nullptr : it->second;
}

void fltk_dialog::check(int id, bool checked) {
    if (auto* b = dynamic_cast<Fl_Button*>(control(id))) b->value(checked ? 1 : 0);
}

bool fltk_dialog::is_checked(int id) {
    auto* b = dynamic_cast<Fl_Button*>(control(id));
    return b && b->value() != 0;
}

void fltk_dialog::set_text(int id, std::string_view text) {
    Fl_Widget* w = control(id);
    if (auto* input = dynamic_cast<Fl_Input*>(w)) {
        input->value(text.data(), int(text.size()));
    } else if (w) {
        w->copy_label(std::string(text).c_str());
    }
}

std::string fltk_dialog::text(int id) {
    Fl_Widget* w = control(id);
    if (auto* input = dynamic_cast<Fl_Input*>(w))
        return std::string(input->value(), std::size_t(input->size()));
    return w && w->label() ? w->label() : "";
}

void fltk_dialog::enable(int id, bool enabled) {
    if (Fl_Widget* w = control(id)) enabled ? w->activate() : w->deactivate();
}

void fltk_dialog::end(int) { ended_ = true; }

platform::rect fltk_dialog::outer_rect() {
    return {window_->x(), window_->y(), window_->x() + window_->w(), window_->y() + window_->h()};
}

void fltk_dialog::move(int left, int top) { window_->position(left, top); }

void fltk_dialog::focus_first_control() {
    if (!controls_.empty()) controls_.front()->take_focus();
}

platform::answer fltk_dialog::message_box(std::string_view text, std::string_view caption,
                                          platform::buttons b, platform::icon i) {
    return fltk_backend::message_box(window_.get(), text, caption, b, i);
}

}  // namespace fltk_backend
