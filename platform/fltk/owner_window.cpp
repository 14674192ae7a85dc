#include "owner_window.h"

#include <FL/Fl.H>

#include <vector>

namespace fltk_backend {

namespace {

// The boxes open now, the latest last; the one thread is the only user.
std::vector<const Fl_Window*>& open_boxes() {
    static std::vector<const Fl_Window*> boxes;
    return boxes;
}

bool is_input(int event) {
    switch (event) {
        case FL_PUSH:
        case FL_RELEASE:
        case FL_DRAG:
        case FL_MOUSEWHEEL:
        case FL_KEYBOARD:
        case FL_KEYUP:
        case FL_SHORTCUT:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool owner_window::disabled() const { return !open_boxes().empty() && open_boxes().back() != this; }

int owner_window::handle(int event) {
    if (disabled() && is_input(event)) return 0;
    return Fl_Window::handle(event);
}

open_box::open_box(const Fl_Window& box) { open_boxes().push_back(&box); }

open_box::~open_box() { open_boxes().pop_back(); }

}  // namespace fltk_backend
