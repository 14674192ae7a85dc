// Windows disables the owner of a box while the box is open: no click, key,
// menu or close request reaches it, for its code is still waiting for the
// box's answer. A window made as an owner_window behaves so here.
#pragma once

#include <FL/Fl_Window.H>

namespace fltk_backend {

class owner_window : public Fl_Window {
public:
    using Fl_Window::Fl_Window;
    int handle(int event) override;
    // True while a box opened after this window is open.
    bool disabled() const;
};

// Open for as long as it lives: run_modal holds one for each box or dialog it runs.
class open_box {
public:
    explicit open_box(const Fl_Window& box);
    ~open_box();
    open_box(const open_box&) = delete;
    open_box& operator=(const open_box&) = delete;
};

}  // namespace fltk_backend
