// The score sheet's window on Windows: a top-level window owned by the main
// window, beside it, shown without being activated so that the keys stay with
// the main window; the portable drawing paints it through a canvas, and its
// scroll bar scrolls the drawing's band. The close box is the main window's
// Score Sheet command.
#pragma once

#include <windows.h>

#include "platform/sheet_drawing.h"

namespace win32 {

class sheet_window {
public:
    explicit sheet_window(HWND main) : main_(main) {}
    ~sheet_window();
    sheet_window(const sheet_window&) = delete;
    sheet_window& operator=(const sheet_window&) = delete;

    void show(platform::sheet_drawing& drawing);
    void hide();
    // Repaints; a view that was at the newest line follows it.
    void changed();

private:
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    bool create();
    void place_beside_main();
    void fit_scroll(bool follow_newest);
    void scroll_to(int row);
    void paint();

    HWND main_;
    HWND window_ = nullptr;
    platform::sheet_drawing* drawing_ = nullptr;
    int row_ = 0, last_row_ = 0;  // the scroll position, in lines
};

}  // namespace win32
