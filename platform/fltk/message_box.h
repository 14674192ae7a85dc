// A modal message box: text, caption, buttons and icon as a Windows
// MessageBox shows them, over its owner; returns the button pressed.
#pragma once

#include <FL/Fl_Window.H>

#include <string_view>

#include "platform/window.h"

namespace fltk_backend {

// With no owner the box is centred on the screen. The text is drawn in `font`.
platform::answer message_box(Fl_Window* owner, std::string_view text, std::string_view caption,
                             platform::buttons buttons, platform::icon icon, Fl_Font font = FL_HELVETICA);

// Runs a modal window until it is hidden or `done` becomes true.
void run_modal(Fl_Window& window, const bool& done);

}  // namespace fltk_backend
