#include "sheet_window.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xutil.h>

#include <algorithm>

#include "fltk_canvas.h"
#include "scale.h"

namespace fltk_backend {

namespace {

constexpr int scroll_width = 16;
constexpr int gap = 12;  // between the two windows, room for the frames

}  // namespace

// The drawing, at the program's scale; clicks and the wheel.
class sheet_area final : public Fl_Widget {
public:
    sheet_area(int x, int y, int w, int h, Fl_Scrollbar& scroll) : Fl_Widget(x, y, w, h), scroll_(scroll) {}

    platform::sheet_drawing* drawing = nullptr;
    // After a click, the keys go back to the main window.
    std::function<void()> clicked;

    void draw() override {
        if (!drawing) return;
        fltk_canvas dc(*window(), x(), y(), w(), h());
        drawing->paint(dc, int(scroll_.value()) * drawing->scroll_step());
    }

    int handle(int event) override {
        switch (event) {
            case FL_PUSH:
                if (!drawing || Fl::event_button() != FL_LEFT_MOUSE) return 0;
                drawing->click({(Fl::event_x() - x()) / scale(), (Fl::event_y() - y()) / scale()});
                if (clicked) clicked();
                return 1;
            case FL_MOUSEWHEEL:
                return scroll_.handle(event);
            default:
                return 0;
        }
    }

private:
    Fl_Scrollbar& scroll_;
};

sheet_window::sheet_window(Fl_Window& main, std::function<void()> on_close)
    : main_(main), on_close_(std::move(on_close)) {}

sheet_window::~sheet_window() = default;

void sheet_window::show(platform::sheet_drawing& drawing) {
    drawing_ = &drawing;
    if (!window_) {
        const int k = scale();
        const platform::rect area = drawing.area(), band = drawing.scrolled_band();
        window_ =
            std::make_unique<Fl_Window>((area.right + scroll_width) * k, area.bottom * k, "Score Sheet");
        window_->xclass("zarvelin");
        window_->callback(on_close_box, this);
        scroll_ =
            new Fl_Scrollbar(area.right * k, band.top * k, scroll_width * k, (band.bottom - band.top) * k);
        scroll_->type(FL_VERTICAL);
        scroll_->linesize(1);
        scroll_->visible_focus(0);
        scroll_->callback(on_scroll, this);
        area_ = new sheet_area(0, 0, area.right * k, area.bottom * k, *scroll_);
        area_->clicked = [this] { give_focus_back(); };
        window_->end();
        window_->size_range(window_->w(), window_->h(), window_->w(), window_->h());
    }
    area_->drawing = drawing_;
    fit_scroll(true);
    if (!placed_) place_beside_main();
    placed_ = true;
    window_->show();
    give_focus_back();
}

void sheet_window::hide() {
    if (window_) window_->hide();
}

void sheet_window::changed() {
    if (!window_ || !window_->shown()) return;
    fit_scroll(scroll_->value() >= scroll_->maximum());
    area_->redraw();
}

void sheet_window::fit_scroll(bool follow_newest) {
    const platform::rect band = drawing_->scrolled_band();
    const int step = drawing_->scroll_step();
    const int rows = (drawing_->scrolled_height() + step - 1) / step;
    const int visible = (band.bottom - band.top) / step;
    const int last = std::max(0, rows - visible);
    const int at = follow_newest ? last : std::min(int(scroll_->value()), last);
    scroll_->value(at, visible, 0, std::max(rows, visible));
    scroll_->maximum(last);
}

void sheet_window::on_scroll(Fl_Widget*, void* self) {
    auto* sheet = static_cast<sheet_window*>(self);
    sheet->area_->redraw();
    if (Fl::event() == FL_RELEASE) sheet->give_focus_back();
}

void sheet_window::on_close_box(Fl_Widget*, void* self) {
    // FLTK closes a window on Esc as well; only the close box closes the sheet.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    static_cast<sheet_window*>(self)->on_close_();
}

// To the right of the main window where the screen has room, else to its left,
// else as far right as the screen allows.
void sheet_window::place_beside_main() {
    int sx, sy, sw, sh;
    Fl::screen_work_area(sx, sy, sw, sh, main_.x(), main_.y());
    const int k = scale();
    const int w = window_->w();
    int x = main_.x() + main_.w() + gap * k;
    if (x + w > sx + sw) x = main_.x() - gap * k - w;
    if (x < sx) x = std::max(sx, sx + sw - w);
    window_->position(x, std::max(sy, main_.y()));
}

// The sheet only shows: it asks the window manager never to focus it, and
// the keys stay with the main window.
void sheet_window::give_focus_back() {
    Fl::flush();
    if (!fl_display || !window_->shown() || !main_.visible()) return;
    const Window sheet = fl_xid(window_.get());
    // FLTK's own hints (the icons) stay; only the input hint is added.
    XWMHints* hints = XGetWMHints(fl_display, sheet);
    XWMHints none{};
    XWMHints& wanted = hints ? *hints : none;
    wanted.flags |= InputHint;
    wanted.input = False;
    XSetWMHints(fl_display, sheet, &wanted);
    if (hints) XFree(hints);
    XSetInputFocus(fl_display, fl_xid(&main_), RevertToParent, CurrentTime);
    XFlush(fl_display);
}

}  // namespace fltk_backend
