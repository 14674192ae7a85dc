// The whole program's scale factor on this screen (1 to 4): every drawing
// operation, the window, the dialogs and the message boxes are that many times
// their described size, and the mouse is divided by it. Chosen once, when the
// display is opened.
#pragma once

struct _XDisplay;

namespace fltk_backend {

int scale();
void choose_scale(_XDisplay* display);

}  // namespace fltk_backend
