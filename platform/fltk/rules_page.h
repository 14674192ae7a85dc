// Where the rules page is on this machine, for the about box's last line.
#pragma once

#include <string>

namespace fltk_backend {

// The copy beside the running program when there is one (the build tree puts
// one there), else where the installation puts it.
std::string rules_page_location();

}  // namespace fltk_backend
