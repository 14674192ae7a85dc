// Labels that show their text exactly as it is. FLTK's normal labels read '@'
// as the start of a symbol's name and drop the text from there on; a name a
// player typed, or a folder's path, may hold one anywhere.
#pragma once

#include <FL/Enumerations.H>

namespace fltk_backend {

// The label type of text without symbols; registered with FLTK on first use.
Fl_Labeltype plain_label();

}  // namespace fltk_backend
