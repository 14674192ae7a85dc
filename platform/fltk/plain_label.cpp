#include "plain_label.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/fl_draw.H>

namespace fltk_backend {

namespace {

constexpr int no_symbols = 0;

void draw_plain(const Fl_Label* label, int x, int y, int w, int h, Fl_Align align) {
    fl_font(label->font, label->size);
    fl_color(label->color);
    fl_draw(label->value, x, y, w, h, align, label->image, no_symbols);
}

void measure_plain(const Fl_Label* label, int& w, int& h) {
    fl_font(label->font, label->size);
    fl_measure(label->value, w, h, no_symbols);
}

}  // namespace

Fl_Labeltype plain_label() {
    static const Fl_Labeltype type = [] {
        Fl::set_labeltype(FL_FREE_LABELTYPE, draw_plain, measure_plain);
        return FL_FREE_LABELTYPE;
    }();
    return type;
}

}  // namespace fltk_backend
