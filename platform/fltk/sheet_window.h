// The score sheet's window on Linux: a top-level window beside the main one,
// a drawing area that the portable drawing paints through a canvas, and a
// scroll bar for its scrolled band. It never takes the keyboard from the main
// window; its close box is handed to `on_close`.
#pragma once

#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Window.H>

#include <functional>
#include <memory>

#include "platform/sheet_drawing.h"

namespace fltk_backend {

class sheet_area;

class sheet_window {
public:
    sheet_window(Fl_Window& main, std::function<void()> on_close);
    ~sheet_window();

    void show(platform::sheet_drawing& drawing);
    void hide();
    // Repaints; a view that was at the newest line follows it.
    void changed();
    Fl_Window* widget() { return window_.get(); }

private:
    static void on_scroll(Fl_Widget*, void* self);
    static void on_close_box(Fl_Widget*, void* self);
    void place_beside_main();
    void give_focus_back();
    void fit_scroll(bool follow_newest);

    Fl_Window& main_;
    std::function<void()> on_close_;
    platform::sheet_drawing* drawing_ = nullptr;
    std::unique_ptr<Fl_Window> window_;
    sheet_area* area_ = nullptr;
    Fl_Scrollbar* scroll_ = nullptr;
    bool placed_ = false;
};

}  // namespace fltk_backend
