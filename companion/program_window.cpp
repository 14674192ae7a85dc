#include "companion/program_window.h"

#include "companion/additions.h"

namespace companion {

void program_window::run_dialog(platform::dialog_template which) {
    if (which != platform::dialog_template::setup) return inner_.run_dialog(which);
    additions_.before_setup();
    inner_.run_dialog(which);
    additions_.after_setup();
}

}  // namespace companion
