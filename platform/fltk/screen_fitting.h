// Long texts in boxes that fit the screen: a text broken into lines no wider
// than a box may be, and the part of the screen a box may take.
#pragma once

#include <FL/Fl_Window.H>

#include <string>
#include <string_view>

namespace fltk_backend {

// text with its lines broken so that none is wider than max_width in the
// current font (fl_font): at a space where there is one, else between two
// characters of a word too wide on its own. The text's own line breaks stay.
std::string wrap_to_width(std::string_view text, int max_width);

struct screen_area {
    int x = 0, y = 0, width = 0, height = 0;
};

// The work area (the screen less the desktop's panels) of the screen the
// owner stands on, or of the first screen without one.
screen_area work_area_of(Fl_Window* owner);

// The position of a box of this size centred over the owner (or the area),
// moved inside the area as far as it fits.
void place_inside(Fl_Window& box, Fl_Window* owner, const screen_area& area);

}  // namespace fltk_backend
